#include "app/ProductPanel.h"

#include "app/AppResources.h"

#include <QLabel>

namespace zephra {

ProductPanel::ProductPanel(int width, int height, QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedSize(width, height);
    const int left = (width - 450) / 2;

    Picture = new QLabel(this);
    Picture->setGeometry(left, 8, 450, 213);
    Picture->setPixmap(LogoPicture());

    ProductName = new QLabel(this);
    ProductName->setGeometry(left, 228, 450, 26);
    QFont nameFont = font();
    nameFont.setPixelSize(19);
    nameFont.setBold(true);
    ProductName->setFont(nameFont);

    Version = new QLabel(this);
    Version->setGeometry(left, 258, 450, 18);

    Comments = new QLabel(this);
    Comments->setGeometry(left, 282, 450, 18);
    Comments->setText(
        QStringLiteral("\u00A9 ORVANE. Filterability testing for the wine laboratory."));
}

} // namespace zephra
