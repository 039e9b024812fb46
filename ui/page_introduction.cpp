#include "page_introduction.h"

#include "ui_page_introduction.h"

PageIntroduction::PageIntroduction(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::PageIntroduction>()) {
  ui->setupUi(this);
}

PageIntroduction::~PageIntroduction() = default;
