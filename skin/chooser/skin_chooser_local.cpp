// The local tab's commands: apply, the standard skin, delete, save as a user skin, and the
// removal of old-format skins.
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <algorithm>

#include "folder_utils.h"
#include "settings.h"
#include "skin_chooser.h"
#include "skin_library.h"

namespace kelvo {

void TfrmSkinCh::ApplyLocal() {
  const QListWidgetItem* item = lstSkinFiles_->currentItem();
  if (item == nullptr) return;
  ApplyInFolder(folders_.Library() + item->data(Qt::UserRole).toString() + u'/', Category());
}

void TfrmSkinCh::ApplyInFolder(const QString& folder, int category) {
  SkinTarget target = host_->SkinChangeTarget();
  int kind = Settings().skinKind;
  const QString error = ApplySkinOfCategory(target, folder, category, kind);
  Settings().skinKind = kind;
  if (!error.isEmpty()) prompts.showError(this, error);
  UpdateSkinKind();
}

void TfrmSkinCh::UseStandardSkin() {
  SkinTarget target = host_->SkinChangeTarget();
  int kind = Settings().skinKind;
  const QString error = ApplyStandardSkin(target, kind);
  Settings().skinKind = kind;
  if (!error.isEmpty()) prompts.showError(this, error);
  UpdateSkinKind();
}

void TfrmSkinCh::DeleteSelected() {
  const QListWidgetItem* item = lstSkinFiles_->currentItem();
  if (item == nullptr || OuterTab() != kLocalTab) return;
  // A skin folder is the user's; one stray Delete key must not take it.
  if (!prompts.askYesNo(this, QStringLiteral("スキン「%1」を削除しますか？").arg(item->text()))) return;
  const QString folder = folders_.Library() + item->data(Qt::UserRole).toString();
  const int row = lstSkinFiles_->currentRow();
  if (!DeleteFolderTree(folder.toStdString()))
    prompts.showError(this, QStringLiteral("フォルダを削除できません。\n%1").arg(QDir::toNativeSeparators(folder)));
  ListCategory();
  // The entry that took the deleted one's place, or the new last one.
  if (lstSkinFiles_->count() > 0) lstSkinFiles_->setCurrentRow(std::min(row, lstSkinFiles_->count() - 1));
}

void TfrmSkinCh::SaveAsUserSkin() {
  if (Settings().skinKind != kSkinCustom) return;
  QString title;
  QString clean;
  for (;;) {
    const std::optional<QString> typed = prompts.askTitle(this, title);
    if (!typed) return;
    title = *typed;
    switch (FindTitleProblem(title)) {
      case TitleProblem::Underscore:
        prompts.tell(this, QStringLiteral("タイトルに \"_\" は使用出来ません。"));
        continue;
      case TitleProblem::ForbiddenCharacter:
        prompts.tell(this, QStringLiteral("タイトルに \\ / : , ; * ? \" < > | は使用出来ません。"));
        continue;
      case TitleProblem::None:
        break;
    }
    clean = CleanSkinTitle(title);
    if (clean.isEmpty()) return;
    if (prompts.askYesNo(this, clean + QStringLiteral("\n\nでよろしいですか？"))) break;
    title = clean;
  }
  const QString target = folders_.Library() + UserSkinFolderName(clean);
  if (QFileInfo(target).exists() &&
      !prompts.askYesNo(this, QStringLiteral("同名のタイトルで保存したスキンが存在します。\n上書きして保存しますか？")))
    return;
  if (const QString error = SaveCurrentSkinAs(folders_.CurrentSkin(), target); !error.isEmpty()) {
    prompts.showError(this, error);
    return;
  }
  Settings().skinKind = kSkinUserSaved;
  UpdateSkinKind();
  if (Category() == kCategoryUserSaved) ListCategory();
  SetMessage(QStringLiteral("保存しました。「ユーザー ") + clean + QStringLiteral("」"));
}

void TfrmSkinCh::CleanUpOldSkins() {
  const QString question = QStringLiteral(
      "現バージョンで使用出来るスキンは\n\n[KelvoFiles]->[Skin]->[T7]フォルダの中にあるファイルです。\n\n"
      "古いバージョンをお使いにならない場合、\n[T7]フォルダ以外は削除していただいてかまいません。\n\n"
      "旧スキンファイルを削除しますか？");
  if (!prompts.askYesNo(this, question)) return;
  DeleteOldSkins(folders_.kelvoFiles + QStringLiteral("Skin/"));
  prompts.tell(this, QStringLiteral("旧スキンファイルを削除しました。"));
}

}  // namespace kelvo
