#pragma once

#include <QString>
#include <QStringList>

// What a skin download fetches and how its outcome is judged.
namespace kelvo {

// The files fetched for a skin of a category, each with its leading "/", "/Preview.gif" first.
QStringList SkinDownloadFiles(int category);
// The most one of those files may bring: what the preview picture or the skin loader accepts.
qint64 MaxSkinFileBytes(const QString& file);

// What the transfers of one download came to.
struct DownloadTally {
  int fetched = 0;
  int failed = 0;
  bool stopped = false;  // the user stopped it (or closed the window)
};

enum class DownloadOutcome { Stopped, Failed, Fetched };

// A set counts as fetched when any of its files arrived (the parts it lacks show the standard
// images); any other skin only when every file arrived.
DownloadOutcome JudgeDownload(const DownloadTally& tally, int category);

// The name of the first skin bitmap in folder that the skin loader refuses, or an empty text.
QString FindRefusedBitmap(const QString& folder);

}  // namespace kelvo
