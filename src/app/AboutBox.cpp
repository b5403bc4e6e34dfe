#include "app/AboutBox.h"

#include "app/ProductPanel.h"

#include <QLabel>
#include <QPushButton>

namespace zephra {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About ORVANE ZEPHRA"));
    setFixedSize(485, 388);
    auto* panel = new ProductPanel(473, 318, this);
    panel->move(6, 8);
    ProductName = panel->ProductName;
    Version = panel->Version;
    Comments = panel->Comments;

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(192, 344, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace zephra
