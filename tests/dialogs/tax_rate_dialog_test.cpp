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

const QString kRateMessage = QStringLiteral(" 税率の数値が正しくありません。");
const QString kDecimalsMessage = QStringLiteral(" 小数点以下の桁数が正しくありません。");

class TaxRateDialogTest : public ::testing::Test {
 protected:
  // The dialog as the menu opens it, from the values in memory.
  TfrmZeiritu& Open() {
    dialog_ = std::make_unique<TfrmZeiritu>(host_);
    dialog_->showMessage = [this](QWidget*, const QString& text) { messages_.push_back(text); };
    dialog_->show();
    return *dialog_;
  }
  QLineEdit* Field(const char* name) { return dialog_->findChild<QLineEdit*>(QString::fromLatin1(name)); }
  void Click(const char* name) { dialog_->findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
  std::string Stored(const char* key) {
    return kelvo::IniFile(folder_.MainSettings()).ReadString("Tax", key, "missing");
  }

  kelvo::test::ProgramFolder folder_;
  kelvo::test::RecordingHost host_;
  std::unique_ptr<TfrmZeiritu> dialog_;
  std::vector<QString> messages_;
};

TEST_F(TaxRateDialogTest, OpensWithTheRateAsAPercentageReadyToBeTypedOver) {
  kelvo::Settings().taxRate = 0.085;
  Open();
  EXPECT_EQ(dialog_->windowTitle(), "税率設定");
  EXPECT_EQ(Field("Zeiritu")->text(), "8.5");
  EXPECT_EQ(Field("Zeiritu")->selectedText(), "8.5");
  EXPECT_EQ(dialog_->focusWidget(), Field("Zeiritu"));
  EXPECT_EQ(Field("Dc")->text(), "0");
  EXPECT_FALSE(Field("Dc")->isVisible());
}

TEST_F(TaxRateDialogTest, UpdateStoresTheRateAsAFractionAndCloses) {
  Open();
  Field("Zeiritu")->setText(QStringLiteral("8"));
  Click("cmdOK");
  EXPECT_EQ(Stored("Zeiritu"), "0.08");
  EXPECT_EQ(Stored("Dc"), "0");
  EXPECT_EQ(Stored("Rs"), "1");
  EXPECT_DOUBLE_EQ(kelvo::Settings().taxRate, 0.08);
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(TaxRateDialogTest, TheCloseBoxStoresNothing) {
  Open();
  Field("Zeiritu")->setText(QStringLiteral("9"));
  dialog_->close();
  EXPECT_DOUBLE_EQ(kelvo::Settings().taxRate, 0.05);
  EXPECT_EQ(Stored("Zeiritu"), "missing");
}

TEST_F(TaxRateDialogTest, RefusedInputKeepsEverythingAndStaysOpen) {
  struct Row {
    const char* rate;
    int decimals;  // as loaded from the file
    QString message;
  };
  const Row rows[] = {{"", 0, kRateMessage},      {"8%", 0, kRateMessage},    {"1e400", 0, kRateMessage},
                      {"nan", 0, kRateMessage},   {"inf", 0, kRateMessage},   {"8", 7, kDecimalsMessage},
                      {"8", -1, kDecimalsMessage}};
  for (const Row& row : rows) {
    kelvo::Settings().taxDecimals = row.decimals;
    messages_.clear();
    Open();
    Field("Zeiritu")->setText(QString::fromUtf8(row.rate));
    Click("cmdOK");
    ASSERT_EQ(messages_.size(), 1u) << row.rate;
    EXPECT_EQ(messages_[0], row.message) << row.rate;
    EXPECT_TRUE(dialog_->isVisible()) << row.rate;
    EXPECT_DOUBLE_EQ(kelvo::Settings().taxRate, 0.05) << row.rate;
    EXPECT_EQ(Stored("Zeiritu"), "missing") << row.rate;
  }
}

TEST_F(TaxRateDialogTest, DefaultsAreStoredAtOnceAndTheCloseBoxKeepsThem) {
  kelvo::Settings().taxRate = 0.1;
  kelvo::Settings().taxDecimals = 9;  // a hand-edited file: the update fails until the defaults
  Open();
  Click("cmdDefaultSet");
  EXPECT_EQ(Field("Zeiritu")->text(), "5");
  EXPECT_EQ(Stored("Zeiritu"), "0.05");
  EXPECT_EQ(Stored("Dc"), "0");
  EXPECT_EQ(Stored("Rs"), "1");
  dialog_->close();
  EXPECT_DOUBLE_EQ(kelvo::Settings().taxRate, 0.05);
  EXPECT_EQ(kelvo::Settings().taxDecimals, 0);
}

TEST_F(TaxRateDialogTest, AFailedWriteIsReportedAndChangesNothingInMemory) {
  std::filesystem::create_directory(folder_.MainSettings());  // cannot be read, so never overwritten
  Open();
  Field("Zeiritu")->setText(QStringLiteral("8"));
  Click("cmdOK");
  Click("cmdDefaultSet");
  EXPECT_EQ(host_.failedWrites.size(), 2u);
  EXPECT_DOUBLE_EQ(kelvo::Settings().taxRate, 0.05);
  EXPECT_TRUE(dialog_->isVisible());
}

}  // namespace
