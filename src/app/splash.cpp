#include "app/splash.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QThread>

#include "app/version.h"

namespace tarvel {

std::array<SplashLine, 4> SplashLines(int pictureHeight, int major, int minor) {
    const int h = pictureHeight;
    return {{
        {QCoreApplication::translate("CWSplash", "calcolo di"), static_cast<int>(0.35 * h), h / 15},
        {QCoreApplication::translate("CWSplash", "Tarvel"), static_cast<int>(0.45 * h), h / 10},
        {QString::fromUtf8(build::kMakerName), static_cast<int>(0.60 * h), h / 20},
        {QStringLiteral("v. %1.%2").arg(major).arg(minor), static_cast<int>(0.68 * h), h / 30},
    }};
}

QPixmap SplashPicture() {
    // The picture's resource path is a text of the language resources, so that
    // each language may bring its own picture.
    return QPixmap(QCoreApplication::translate("CWSplash", ":/tarvel/splash_ITA.png"));
}

CWSplash::CWSplash(const QPixmap& picture, int major, int minor)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      picture_(picture),
      major_(major),
      minor_(minor) {
    setFixedSize(picture_.size());
    setAttribute(Qt::WA_ShowWithoutActivating);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
}

void CWSplash::ShowFor(int milliseconds) {
    show();
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        QThread::msleep(10);
    }
    hide();
}

QPixmap CWSplash::Rendered() {
    return grab();
}

void CWSplash::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
    // A thin border, the window having no caption.
    painter.setPen(QColor(96, 96, 96));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    const int centreX = width() / 2;
    for (const SplashLine& line : SplashLines(picture_.height(), major_, minor_)) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(qMax(1, line.fontPixelHeight));
        painter.setFont(font);
        const QFontMetrics metrics(font);
        const int textWidth = metrics.horizontalAdvance(line.text);
        // The cell's top at line.top: the baseline lies one ascent below it.
        painter.drawText(centreX - textWidth / 2, line.top + metrics.ascent(), line.text);
    }
}

}  // namespace tarvel
