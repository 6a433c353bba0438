#include "windows/ABox.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) { FormCreate(); }

void TAboutBox::FormCreate() {}

void TAboutBox::OKButtonClick() { accept(); }
