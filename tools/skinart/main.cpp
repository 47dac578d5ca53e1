// Draws Kelvo's skin art: the standard skin (compiled into the program and kept in
// KelvoFiles/_sys/Default), "NoImage.gif", and the sample skins of KelvoFiles/Skin/T7.
//
//   kelvo-skinart DATA/KelvoFiles [REVIEW_FOLDER]
//
// The output is committed; run this again after changing the art. With a review folder it also
// writes every face as a PNG for a look.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "faces.h"
#include "lcd_art.h"
#include "body_art.h"
#include "key_art.h"

using namespace skinart;
using kelvo::SkinPart;

namespace {

QString g_review;

QImage& Part(SheetSet& s, SkinPart part) { return s[static_cast<size_t>(part)]; }

bool Save(const QImage& image, const QString& path) {
  if (image.save(path, "BMP")) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

// Whether every text of a theme reads well; says which do not.
bool Readable(const char* name, const Theme& theme) {
  const QString weak = WeakCaptions(theme);
  if (!weak.isEmpty()) std::fprintf(stderr, "%s skin: texts below 4.5:1: %s\n", name, qPrintable(weak));
  return weak.isEmpty();
}

// Writes the given parts of a skin into folder, with its preview.
bool WriteSkin(const QString& folder, const SheetSet& sheets, std::initializer_list<SkinPart> parts, const QImage& face,
               const std::vector<GifFrame>& frames) {
  QDir().mkpath(folder);
  bool ok = true;
  for (SkinPart part : parts) {
    const auto& info = kelvo::PartInfo(part);
    ok = Save(sheets[static_cast<size_t>(part)], folder + QString::fromLatin1(info.name.data(), info.name.size()) + ".bmp") && ok;
  }
  ok = WriteGif(folder + "Preview.gif", frames.empty() ? std::vector<GifFrame>{{PreviewSize(face), 0}} : frames) && ok;
  if (!g_review.isEmpty()) face.save(g_review + "/" + QDir(folder).dirName() + ".png");
  return ok;
}

constexpr std::initializer_list<SkinPart> kAllParts = {SkinPart::ButtonUp, SkinPart::ButtonDown, SkinPart::DigitalNumber,
                                                       SkinPart::BackPanel, SkinPart::DigitalPanel, SkinPart::DigitalMark};

// What the still previews show: an amount with tax, memory held.
const QString kDemoKeys = QStringLiteral("5 9 8 0 0 0 m+ tax+");

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: kelvo-skinart DATA/KelvoFiles [REVIEW_FOLDER]\n");
    return 2;
  }
  const QString root = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + "/";
  if (argc > 2) g_review = QString::fromLocal8Bit(argv[2]), QDir().mkpath(g_review);
  bool ok = true;
  // Every text of our own art reads at 4.5:1 or more; art that does not is not written.
  if (!Readable("standard", StandardTheme()) || !Readable("night", NightTheme()) || !Readable("paper", PaperTheme()))
    return 1;

  // The standard skin.
  const SheetSet standard = PaintSkin(StandardTheme());
  const QString defaults = root + "_sys/Default/";
  QDir().mkpath(defaults);
  for (SkinPart part : kAllParts) {
    const auto& info = kelvo::PartInfo(part);
    ok = Save(standard[static_cast<size_t>(part)], defaults + QString::fromLatin1(info.name.data(), info.name.size()) + ".bmp") && ok;
  }
  ok = WriteGif(defaults + "NoImage.gif", {{PaintNoImage(), 0}}) && ok;
  if (!g_review.isEmpty()) {
    PaintFace(standard, kDemoKeys).save(g_review + "/Standard.png");
    for (SkinPart part : kAllParts) {
      const auto& info = kelvo::PartInfo(part);
      standard[static_cast<size_t>(part)].save(g_review + "/" + QString::fromLatin1(info.name.data(), info.name.size()) + ".png");
    }
  }

  const QString library = root + "Skin/T7/";
  // Two complete sets; the dark one types a sum in its preview.
  const SheetSet night = PaintSkin(NightTheme());
  std::vector<GifFrame> frames;
  const QImage nightFace = PaintFace(night, QStringLiteral("1 2 8 0 * 2 5 = tax+"), &frames);
  ok = WriteSkin(library + "SET_Kelvo_Night/", night, kAllParts, nightFace, frames) && ok;
  const SheetSet paper = PaintSkin(PaperTheme());
  ok = WriteSkin(library + "SET_Kelvo_Paper/", paper, kAllParts, PaintFace(paper, kDemoKeys), {}) && ok;

  // One skin of each single part, each shown over the standard skin.
  auto single = [&](const QString& name, SkinPart part, const QImage& sheet, std::initializer_list<SkinPart> parts) {
    SheetSet mixed = standard;
    Part(mixed, part) = sheet;
    return WriteSkin(library + name + "/", mixed, parts, PaintFace(mixed, kDemoKeys), {});
  };
  Theme navy = StandardTheme();
  navy.bodyTop = QColor(0x2b, 0x3a, 0x55);
  navy.bodyBottom = QColor(0x1a, 0x25, 0x38);
  navy.keypadWell = QColor(0x16, 0x1f, 0x2f);
  navy.brand = QColor(0xb8, 0xc6, 0xdc);
  navy.finish = BodyFinish::Pinstripe;
  if (!Readable("navy", navy)) return 1;
  ok = single("PNL_Kelvo_Navy", SkinPart::BackPanel, PaintBackPanel(navy), {SkinPart::BackPanel}) && ok;

  Theme silver = StandardTheme();
  silver.bezelTop = QColor(0xe4, 0xe6, 0xe9);
  silver.bezelBottom = QColor(0x9c, 0xa1, 0xa8);
  silver.glassTop = QColor(0xc9, 0xd5, 0xd9);
  silver.glassBottom = QColor(0xb9, 0xc7, 0xcc);
  silver.ghost = QColor(0x10, 0x20, 0x30, 12);
  if (!Readable("silver", silver)) return 1;
  ok = single("DGP_Kelvo_Silver", SkinPart::DigitalPanel, PaintDigitalPanel(silver, standard[static_cast<size_t>(SkinPart::BackPanel)]),
              {SkinPart::DigitalPanel}) && ok;

  Theme pastel = PaperTheme();
  {
    SheetSet mixed = standard;
    const QImage& back = Part(mixed, SkinPart::BackPanel);
    Part(mixed, SkinPart::ButtonUp) = PaintButtonSheet(pastel, back, false);
    Part(mixed, SkinPart::ButtonDown) = PaintButtonSheet(pastel, back, true);
    ok = WriteSkin(library + "BTN_Kelvo_Pastel/", mixed, {SkinPart::ButtonUp, SkinPart::ButtonDown}, PaintFace(mixed, kDemoKeys), {}) && ok;
  }

  Theme italic = StandardTheme();
  italic.segments = {2.2, 0.5, 2.0};
  ok = single("DGN_Kelvo_Italic", SkinPart::DigitalNumber, PaintDigitSheet(italic), {SkinPart::DigitalNumber}) && ok;

  Theme boxed = StandardTheme();
  boxed.marks = MarkStyle::Boxed;
  ok = single("DGM_Kelvo_Boxed", SkinPart::DigitalMark, PaintMarkSheet(boxed), {SkinPart::DigitalMark}) && ok;

  std::printf(ok ? "skin art written to %s\n" : "some skin art could not be written to %s\n", qPrintable(root));
  return ok ? 0 : 1;
}
