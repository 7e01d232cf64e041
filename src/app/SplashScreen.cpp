#include "app/SplashScreen.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>

namespace kvf {
namespace {

QPixmap SplashPicture() {
    QPixmap pixmap(460, 240);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, pixmap.height());
    background.setColorAt(0, QColor(0x1d, 0x3b, 0x63));
    background.setColorAt(1, QColor(0x0e, 0x1e, 0x33));
    painter.fillRect(pixmap.rect(), background);
    painter.setPen(QColor(0xf0, 0xb0, 0x20));
    painter.drawLine(32, 150, 428, 150);
    QFont title = painter.font();
    title.setPixelSize(40);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(32, 60, 400, 60), Qt::AlignLeft | Qt::AlignVCenter, "KVF Editor");
    QFont text = painter.font();
    text.setPixelSize(15);
    text.setBold(false);
    painter.setFont(text);
    painter.setPen(QColor(0xd0, 0xdc, 0xec));
    painter.drawText(QRect(32, 110, 400, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     "Editor and checker for KVF device descriptions");
    painter.drawText(QRect(32, 170, 400, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     "TALVERON fieldbus");
    return pixmap;
}

} // namespace

SplashScreen::SplashScreen() : QSplashScreen(SplashPicture()) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void SplashScreen::ShowFor(int milliseconds) {
    show();
    qApp->installEventFilter(this);
    QTimer::singleShot(milliseconds, this, &QWidget::close);
}

bool SplashScreen::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
        qApp->removeEventFilter(this);
        close();
        break;
    default:
        break;
    }
    return QSplashScreen::eventFilter(watched, event);
}

} // namespace kvf
