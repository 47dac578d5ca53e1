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
  QLineEdit* Reduced() { return dialog_->findChild<QLineEdit*>(QStringLiteral("KeigenZeiritu")); }
  void Click(const char* name) { dialog_->findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
  std::string Stored(const char* key) { return kelvo::IniFile(folder_.MainSettings()).ReadString("Tax", key, "-"); }

  kelvo::test::ProgramFolder folder_;
  kelvo::test::RecordingHost host_;
  std::unique_ptr<TfrmZeiritu> dialog_;
  std::vector<QString> messages_;
};

TEST_F(TaxRateDialogTest, ShowsThePercentagesAndStoresTheTypedRatesAsFractions) {
  kelvo::Settings().taxRate = 0.085;
  kelvo::Settings().reducedTaxRate = 0.065;
  Open();
  EXPECT_EQ(Rate()->selectedText(), "8.5");
  EXPECT_EQ(Reduced()->text(), "6.5");
  EXPECT_EQ(dialog_->focusWidget(), Rate());
  Rate()->setText(QStringLiteral("8"));
  Reduced()->setText(QStringLiteral("7"));
  Click("cmdOK");
  EXPECT_EQ(Stored("Zeiritu") + " " + Stored("KeigenZeiritu"), "0.08 0.07");
  EXPECT_EQ(Stored("Dc") + Stored("Rs"), "01");
  EXPECT_DOUBLE_EQ(kelvo::Settings().taxRate, 0.08);
  EXPECT_DOUBLE_EQ(kelvo::Settings().reducedTaxRate, 0.07);
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
}

TEST_F(TaxRateDialogTest, RefusedInputKeepsEverythingAndStaysOpen) {
  const QString rateMessage = QStringLiteral(" 税率の数値が正しくありません。");
  const QString decimalsMessage = QStringLiteral(" 小数点以下の桁数が正しくありません。");
  struct Row {
    const char* rate;     // typed
    const char* reduced;  // typed
    int decimals;         // from the file
    QString message;
    const char* refusedField;  // where the user goes on
  };
  const Row rows[] = {{"8%", "8", 0, rateMessage, "Zeiritu"},
                      {"inf", "8", 0, rateMessage, "Zeiritu"},
                      {"10", "8%", 0, rateMessage, "KeigenZeiritu"},
                      {"10", "", 7, rateMessage, "KeigenZeiritu"},
                      {"8", "8", 7, decimalsMessage, nullptr}};
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.rate) + " / " + row.reduced);
    kelvo::Settings().taxDecimals = row.decimals;
    messages_.clear();
    Open();
    Rate()->setText(QString::fromUtf8(row.rate));
    Reduced()->setText(QString::fromUtf8(row.reduced));
    Click("cmdOK");
    EXPECT_EQ(messages_, std::vector<QString>{row.message});
    EXPECT_TRUE(dialog_->isVisible());
    if (row.refusedField) {
      EXPECT_EQ(dialog_->focusWidget()->objectName(), row.refusedField);
    }
    EXPECT_DOUBLE_EQ(kelvo::Settings().taxRate, 0.10);
    EXPECT_DOUBLE_EQ(kelvo::Settings().reducedTaxRate, 0.08);
    EXPECT_EQ(Stored("Zeiritu") + Stored("KeigenZeiritu"), "--");
  }
}

TEST_F(TaxRateDialogTest, DefaultsAreStoredAtOnceAndTheCloseBoxStoresNothingMore) {
  kelvo::Settings().taxRate = 0.05;
  kelvo::Settings().reducedTaxRate = 0.03;
  kelvo::Settings().taxDecimals = 9;  // from a hand-edited file: the update fails until the defaults
  Open();
  Click("cmdDefaultSet");
  EXPECT_EQ(Rate()->text() + " " + Reduced()->text(), "10 8");
  EXPECT_EQ(Stored("Zeiritu") + " " + Stored("KeigenZeiritu") + " " + Stored("Dc") + " " + Stored("Rs"), "0.1 0.08 0 1");
  Rate()->setText(QStringLiteral("9"));
  dialog_->close();
  EXPECT_DOUBLE_EQ(kelvo::Settings().taxRate, 0.10);
  EXPECT_DOUBLE_EQ(kelvo::Settings().reducedTaxRate, 0.08);
  EXPECT_EQ(kelvo::Settings().taxDecimals, 0);
  EXPECT_EQ(Stored("Zeiritu"), "0.1");
}

TEST_F(TaxRateDialogTest, AFailedWriteIsReportedAndChangesNothingInMemory) {
  std::filesystem::create_directory(folder_.MainSettings());  // cannot be read, so never overwritten
  Open();
  Rate()->setText(QStringLiteral("8"));
  Click("cmdOK");
  Click("cmdDefaultSet");
  EXPECT_EQ(host_.failedWrites.size(), 2u);
  EXPECT_DOUBLE_EQ(kelvo::Settings().taxRate, 0.10);
  EXPECT_TRUE(dialog_->isVisible());
}

}  // namespace
