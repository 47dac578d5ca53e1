#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// The skin catalogue T7_SkinFilesList.csv: the skins the download server offers.
namespace kelvo {

struct CatalogueSkin {
  int line = 0;      // index of its line in the file, counted from 0
  int category = 0;  // chooser tab 0..6 (another number belongs to no tab)
  QString listText;  // field 2
  QString name1;     // field 3
  QString name2;     // field 4
  QString id;        // field 5: folder on the server, name of the cached preview

  // What the internet list shows: field 2, a space, field 3, a colon, field 4.
  QString InternetListText() const;
  // The library folder a downloaded copy is kept in, and how the local list shows it.
  QString LocalFolderName() const;
  QString LocalListText() const;
};

struct SkinCatalogue {
  bool hasBaseUrl = false;
  QString baseUrl;  // from the first line when its field 4 is "[URL]"
  std::vector<CatalogueSkin> skins;  // in file order

  std::vector<CatalogueSkin> InCategory(int category) const;
};

// Reads a catalogue; lines from the fourth on describe skins. A skin line is left out when it has
// fewer than six fields, when its id or names could lead out of the skin folders ("/", "\", "..",
// a leading dot, a control character, an empty part, or a full-width look-alike of these; see
// catalogue_names.h), when its id does not start with a category code (SET, PNL, DGP, BTN, DGN,
// DGM), or when its local folder or preview name is no valid file name of at most 255 bytes.
// Never more than the first kMaxCatalogueBytes and kMaxCatalogueLines are read.
inline constexpr qint64 kMaxCatalogueBytes = 4 * 1024 * 1024;
inline constexpr size_t kMaxCatalogueLines = 10000;  // lines after these are not read
SkinCatalogue ParseSkinCatalogue(const QByteArray& content);
SkinCatalogue ReadSkinCatalogue(const QString& path);  // a missing file reads as empty

}  // namespace kelvo
