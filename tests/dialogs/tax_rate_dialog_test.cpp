// The tax-rate dialog, headless: what it shows, what it stores, what it refuses.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "ini_file.h"
#include "program_folder.h"
#include "recording_host.h"
#include "settings.h"
#include "tax_rate_dialog.h"

namespace {

class TaxRateDialogTest : public ::testing::Test {
 protected:
  // The dialog as the menu opens it, from the values in memory.
  void Open() {
    dialog_ = std::make_unique<TfrmZeiritu>(host_);
    dialog_->showMessage = [this](QWidget*, const QString& text) { messages_.push_back(text); };
    dialog_->show();
  }
  QLineEdit* Rate() { return dialog_->findChild<QLineEdit*>(QStringLiteral("Zeiritu")); }
  void Click(const char* name) { dialog_->findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
  std::string Stored(const char* key) { return kelvo::IniFile(folder_.MainSettings()).ReadString("Tax", key, "-"); }

  kelvo::test::ProgramFolder folder_;
  kelvo::test::RecordingHost host_;
  std::unique_ptr<TfrmZeiritu> dialog_;
  std::vector<QString> messages_;
};

TEST_F(TaxRateDialogTest, ShowsThePercentageSelectedAndStoresTheTypedRateAsAFraction) {
  kelvo::Settings().taxRate = 0.085;
  Open();
  EXPECT_EQ(Rate()->selectedText(), "8.5");
  EXPECT_EQ(dialog_->focusWidget(), Rate());
  Rate()->setText(QStringLiteral("8"));
  Click("cmdOK");
  EXPECT_EQ(Stored("Zeiritu"), "0.08");
  EXPECT_EQ(Stored("Dc") + Stored("Rs"), "01");
  EXPECT_DOUBLE_EQ(kelvo::Settings().taxRate, 0.08);
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
}

TEST_F(TaxRateDialogTest, RefusedInputKeepsEverythingAndStaysOpen) {
  const QString rateMessage = QStringLiteral(" 税率の数値が正しくありません。");
  const QString decimalsMessage = QStringLiteral(" 小数点以下の桁数が正しくありません。");
  const std::tuple<const char*, int, QString> rows[] = {  // rate typed, decimals from the file
      {"8%", 0, rateMessage}, {"inf", 0, rateMessage}, {"8", 7, decimalsMessage}};
  for (const auto& [rate, decimals, message] : rows) {
    kelvo::Settings().taxDecimals = decimals;
    messages_.clear();
    Open();
    Rate()->setText(QString::fromUtf8(rate));
    Click("cmdOK");
    EXPECT_EQ(messages_, std::vector<QString>{message}) << rate;
    EXPECT_TRUE(dialog_->isVisible()) << rate;
    EXPECT_DOUBLE_EQ(kelvo::Settings().taxRate, 0.05) << rate;
    EXPECT_EQ(Stored("Zeiritu"), "-") << rate;
  }
}

TEST_F(TaxRateDialogTest, DefaultsAreStoredAtOnceAndTheCloseBoxStoresNothingMore) {
  kelvo::Settings().taxRate = 0.1;
  kelvo::Settings().taxDecimals = 9;  // from a hand-edited file: the update fails until the defaults
  Open();
  Click("cmdDefaultSet");
  EXPECT_EQ(Rate()->text(), "5");
  EXPECT_EQ(Stored("Zeiritu") + " " + Stored("Dc") + " " + Stored("Rs"), "0.05 0 1");
  Rate()->setText(QStringLiteral("9"));
  dialog_->close();
  EXPECT_DOUBLE_EQ(kelvo::Settings().taxRate, 0.05);
  EXPECT_EQ(kelvo::Settings().taxDecimals, 0);
  EXPECT_EQ(Stored("Zeiritu"), "0.05");
}

TEST_F(TaxRateDialogTest, AFailedWriteIsReportedAndChangesNothingInMemory) {
  std::filesystem::create_directory(folder_.MainSettings());  // cannot be read, so never overwritten
  Open();
  Rate()->setText(QStringLiteral("8"));
  Click("cmdOK");
  Click("cmdDefaultSet");
  EXPECT_EQ(host_.failedWrites.size(), 2u);
  EXPECT_DOUBLE_EQ(kelvo::Settings().taxRate, 0.05);
  EXPECT_TRUE(dialog_->isVisible());
}

}  // namespace
