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

std::string TapeWriter::Record(const std::vector<std::string>& lines, std::string_view trailer) {
  if (lines.empty()) return {};
  Prepare();
  if (!settings_.recording) return {};
  std::string block = FormatBlock(NowStamp(), lines, trailer);
  const AppendOutcome outcome = file_->Append(block, lines.size() + 2 + (trailer.empty() ? 0 : 2));
  lastTrimmed_ = outcome.trimmed;
  const Trouble trouble = !outcome.written ? Trouble::NotWritten : outcome.overCap ? Trouble::NotTrimmed : Trouble::None;
  if (trouble != trouble_ && trouble != Trouble::None && onFailure) {
    onFailure(trouble == Trouble::NotWritten
                  ? "テープを保存できません。\n" + file_->Path()
                  : "計算はテープに保存しました。ただし、テープの上限を超えた古い計算を削除できません。\n" + file_->Path());
  }
  trouble_ = trouble;
  return outcome.written ? block : std::string();
}

bool TapeWriter::AppendRecord(std::string_view record) {
  Prepare();
  const std::string text = std::string(record) + "\n\n";
  const AppendOutcome outcome = file_->Append(text, 2);
  lastTrimmed_ = outcome.trimmed;
  return outcome.written;
}

bool TapeWriter::RecordingOn() {
  Prepare();
  return settings_.recording;
}

bool TapeWriter::Clear() {
  Prepare();
  return file_->Clear();
}

}  // namespace tape
