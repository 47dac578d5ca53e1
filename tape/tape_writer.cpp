#include "tape_writer.h"

#include "tape_format.h"

namespace tape {

void TapeWriter::Prepare() {
  if (file_) return;
  settings_ = ReadTapeSettings(settingsPath_());
  file_ = std::make_unique<TapeFile>(tapePath_(), settings_.maxLines);
}

const std::string& TapeWriter::Path() {
  Prepare();
  return file_->Path();
}

std::string TapeWriter::Record(const std::vector<std::string>& lines) {
  if (lines.empty()) return {};
  Prepare();
  if (!settings_.recording) return {};
  std::string block = FormatBlock(NowStamp(), lines);
  if (!file_->Append(block, lines.size() + 2)) {
    if (!failureReported_ && onFailure) {
      failureReported_ = true;
      onFailure("テープを保存できません。\n" + file_->Path());
    }
  }
  return block;
}

bool TapeWriter::Clear() {
  Prepare();
  return file_->Clear();
}

}  // namespace tape
