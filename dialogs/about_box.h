#pragma once

#include <QDialog>

// The about box frmVer, modal: the program's name and version, who makes it and where to find us.
class TfrmVer : public QDialog {
  Q_OBJECT

 public:
  // version: the text the main window keeps for the update check ("2.10.01");
  // homePage: the address of our home page.
  TfrmVer(const QString& version, const QString& homePage, QWidget* parent = nullptr);
};
