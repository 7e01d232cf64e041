#include "views/TreeIcons.h"

#include "views/KeywordTreeModel.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>

namespace kvf::views {
namespace {

constexpr int kSize = 16;

struct Look {
    enum Shape { Badge, Folder, Sheet, Bracket, Cross } Kind;
    QRgb Colour;
    char Letter;
};

// Indexed by image number.
constexpr std::array<Look, KeywordTreeModel::ImageCount> kLooks = {{
    {Look::Badge, 0xff2e7d32, 'S'},  // 0 string
    {Look::Badge, 0xff1565c0, '#'},  // 1 unsigned number
    {Look::Badge, 0xff6a1b9a, 'B'},  // 2 Boolean
    {Look::Folder, 0xffc62828, 'M'}, // 3 Master Keys
    {Look::Folder, 0xff1565c0, 'S'}, // 4 Slave Keys
    {Look::Sheet, 0xff455a64, 0},    // 5 root
    {Look::Folder, 0xff757575, 'U'}, // 6 User-defined Keys
    {Look::Bracket, 0xffef6c00, 0},  // 7 entry that begins a block
    {Look::Cross, 0xffc62828, 0},    // 8 no database
    {Look::Badge, 0xff757575, '?'},  // 9 any other type
    {Look::Folder, 0xff2e7d32, 'G'}, // 10 General Keys
    {Look::Badge, 0xff00838f, 'O'},  // 11 octet string
    {Look::Folder, 0xff00838f, 'P'}, // 12 Physical interfaces
    {Look::Folder, 0xffef6c00, 'A'}, // 13 Module Assignment
    {Look::Folder, 0xff283593, 'D'}, // 14 Slave DP-Extension
    {Look::Folder, 0xff00695c, 'X'}, // 15 Slave Data Exchange
    {Look::Folder, 0xffad1457, 'D'}, // 16 Master DP-Extension
}};

void DrawLetter(QPainter& painter, const QRect& area, char letter, const QColor& colour) {
    if (!letter)
        return;
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(area, Qt::AlignCenter, QString(QChar(letter)));
}

QPixmap Draw(const Look& look) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = QColor::fromRgba(look.Colour);
    switch (look.Kind) {
    case Look::Badge:
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(1, 1, 14, 14), 3, 3);
        DrawLetter(painter, QRect(0, 0, kSize, kSize), look.Letter, Qt::white);
        break;
    case Look::Folder: {
        painter.setPen(colour.darker(130));
        painter.setBrush(colour.lighter(170));
        QPainterPath tab;
        tab.moveTo(1.5, 3.5);
        tab.lineTo(6.5, 3.5);
        tab.lineTo(8, 5);
        tab.lineTo(14.5, 5);
        tab.lineTo(14.5, 13.5);
        tab.lineTo(1.5, 13.5);
        tab.closeSubpath();
        painter.drawPath(tab);
        DrawLetter(painter, QRect(1, 5, 14, 9), look.Letter, colour.darker(150));
        break;
    }
    case Look::Sheet:
        painter.setPen(colour);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(3.5, 1.5, 9, 13));
        for (int y = 5; y <= 11; y += 3)
            painter.drawLine(QPointF(5.5, y), QPointF(10.5, y));
        break;
    case Look::Bracket:
        painter.setPen(QPen(colour, 2));
        painter.drawLine(QPointF(5, 2), QPointF(3, 2));
        painter.drawLine(QPointF(3, 2), QPointF(3, 14));
        painter.drawLine(QPointF(3, 14), QPointF(5, 14));
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRect(QRectF(7, 4, 7, 2));
        painter.drawRect(QRectF(7, 7, 5, 2));
        painter.drawRect(QRectF(7, 10, 7, 2));
        break;
    case Look::Cross:
        painter.setPen(QPen(colour, 2.5));
        painter.drawLine(QPointF(3, 3), QPointF(13, 13));
        painter.drawLine(QPointF(13, 3), QPointF(3, 13));
        break;
    }
    return pixmap;
}

} // namespace

QIcon TreeIcon(int image) {
    if (image < 0 || image >= KeywordTreeModel::ImageCount)
        return {};
    // Drawn once per program run; the icons are needed only while windows exist.
    static std::array<QIcon, KeywordTreeModel::ImageCount>* icons = [] {
        auto* drawn = new std::array<QIcon, KeywordTreeModel::ImageCount>;
        for (std::size_t i = 0; i < drawn->size(); ++i)
            (*drawn)[i] = QIcon(Draw(kLooks[i]));
        return drawn;
    }();
    return (*icons)[static_cast<std::size_t>(image)];
}

} // namespace kvf::views
