#include "app_icons.h"

#include "glyph_shapes.h"
#include "toolbar_glyphs.h"

#include <QDir>
#include <QMap>
#include <QPainter>
#include <QSaveFile>

#include <functional>

namespace picgen {

using G = GlyphShapes;

namespace {

const QColor Green(0x22, 0xa8, 0x30);
const QColor DarkGreen(0x10, 0x60, 0x10);
const QColor RedFill(0xd8, 0x20, 0x20);
const QColor DarkRed(0x80, 0x10, 0x10);

using Drawing = std::function<void(QPainter &)>;

struct Icon
{
    int width;
    int height;
    Drawing draw;
};

// Drawings are made for their table size; another size scales the whole drawing.
QImage paint(const Icon &icon, qreal scale = 1)
{
    QImage image(qRound(icon.width * scale), qRound(icon.height * scale), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    icon.draw(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void playTriangle(QPainter &p, qreal left)
{
    p.setPen(G::outline(1.2, DarkGreen));
    p.setBrush(Green);
    p.drawPolygon(QPolygonF({{left, 3.5}, {left + 13, 12}, {left, 20.5}}));
}

void start(QPainter &p)
{
    playTriangle(p, 6.5);
}

void stop(QPainter &p)
{
    p.setPen(G::outline(1.2, DarkRed));
    p.setBrush(RedFill);
    p.drawRoundedRect(QRectF(4.5, 4.5, 15, 15), 2, 2);
}

void pause(QPainter &p)
{
    p.setPen(G::outline(1.2, QColor(0x18, 0x30, 0x70)));
    p.setBrush(QColor(0x30, 0x60, 0xc8));
    p.drawRoundedRect(QRectF(5.5, 4.5, 4.5, 15), 1, 1);
    p.drawRoundedRect(QRectF(14, 4.5, 4.5, 15), 1, 1);
}

void resume(QPainter &p)
{
    p.setPen(G::outline(1.2, QColor(0x18, 0x30, 0x70)));
    p.setBrush(QColor(0x30, 0x60, 0xc8));
    p.drawRoundedRect(QRectF(3.5, 4.5, 4, 15), 1, 1);
    playTriangle(p, 9.5);
}

void quit(QPainter &p)
{
    p.setPen(G::outline(1.2, QColor(0x40, 0x28, 0x10)));
    p.setBrush(QColor(0x70, 0x70, 0x70));
    p.drawRect(QRectF(2.5, 2.5, 12, 19));
    p.setBrush(QColor(0xb0, 0x78, 0x40));
    p.drawPolygon(QPolygonF({{2.5, 2.5}, {10.5, 4.5}, {10.5, 23}, {2.5, 21.5}}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0xd0, 0x40));
    p.drawEllipse(QPointF(8.7, 13), 1, 1);
    p.setPen(QPen(RedFill, 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(12, 12), QPointF(18.5, 12));
    G::arrowHead(p, QPointF(23, 12), QPointF(1, 0), 5.5, 4.5, RedFill);
}

void properties(QPainter &p)
{
    const qreal knobs[] = {8, 15, 6};
    for (int i = 0; i < 3; ++i) {
        const qreal y = 5.5 + i * 6.5;
        p.fillRect(QRectF(2.5, y - 0.75, 19, 1.5), QColor(0x40, 0x40, 0x40));
        p.setPen(G::outline(1, QColor(0x18, 0x30, 0x70)));
        p.setBrush(QColor(0x30, 0x60, 0xc8));
        p.drawRoundedRect(QRectF(knobs[i] - 2, y - 3, 4.5, 6), 1, 1);
    }
}

void about(QPainter &p)
{
    p.setPen(G::outline(1.2, QColor(0x10, 0x30, 0x70)));
    p.setBrush(QColor(0x20, 0x60, 0xd0));
    p.drawEllipse(QPointF(12, 12), 10, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 7), 1.8, 1.8);
    p.drawRoundedRect(QRectF(10.4, 10, 3.2, 8.5), 0.8, 0.8);
}

// A test sheet: numbered answer boxes with a big check mark, at any size.
void testSheet(QPainter &p, const QRectF &r, bool withCheck)
{
    const qreal u = r.width() / 30.0;
    G::page(p, r, 7 * u);
    p.setPen(G::outline(qMax(1.0, 1.1 * u), G::Ink));
    const qreal lineWidth = qMax(1.0, u * 1.2);
    for (int i = 0; i < 4; ++i) {
        const qreal y = r.top() + (9 + i * 8) * u;
        p.setPen(G::outline(qMax(1.0, 0.8 * u), QColor(0x30, 0x30, 0x30)));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(r.left() + 4 * u, y - 2 * u, 4 * u, 4 * u));
        G::bar(p, r.left() + 11 * u, r.right() - (i == 0 ? 9 : 4) * u, y - lineWidth / 2, lineWidth);
    }
    if (withCheck)
        G::check(p,
                 QPolygonF({{r.left() + 9 * u, r.top() + 27 * u},
                            {r.left() + 17 * u, r.top() + 37 * u},
                            {r.right() + 4 * u, r.top() + 14 * u}}),
                 4 * u, Green);
}

void applicationIcon(QPainter &p)
{
    testSheet(p, QRectF(7.5, 3.5, 30, 41), true);
}

void testListIcon(QPainter &p)
{
    ToolbarGlyphs::draw(p, ToolbarGlyphs::Glyph::WordDocument, QRectF(0, 0, 16, 16));
}

void splash(QPainter &p)
{
    for (int i = 2; i >= 0; --i) {
        p.save();
        p.translate(60, 90);
        p.rotate(-8 + i * 7);
        p.translate(-42 + i * 3, -62 + i * 2);
        testSheet(p, QRectF(0.5, 0.5, 80, 110), i == 0);
        p.restore();
    }
    G::pencil(p, QPointF(84, 168), -62, 64, 9, QColor(0x20, 0x50, 0xc0));
}

void aboutArtwork(QPainter &p)
{
    testSheet(p, QRectF(12.5, 4.5, 38, 52), true);
    G::pencil(p, QPointF(44, 61), -60, 30, 5, QColor(0x20, 0x50, 0xc0));
}

const QString ApplicationIcon = QStringLiteral("lorvane.png");

const QMap<QString, Icon> &icons()
{
    static const QMap<QString, Icon> table = {
        {QStringLiteral("toolbar_start.png"), {24, 24, start}},
        {QStringLiteral("toolbar_stop.png"), {24, 24, stop}},
        {QStringLiteral("toolbar_pause.png"), {24, 24, pause}},
        {QStringLiteral("toolbar_resume.png"), {24, 24, resume}},
        {QStringLiteral("toolbar_quit.png"), {24, 24, quit}},
        {QStringLiteral("toolbar_properties.png"), {24, 24, properties}},
        {QStringLiteral("toolbar_about.png"), {24, 24, about}},
        {ApplicationIcon, {48, 48, applicationIcon}},
        {QStringLiteral("test.png"), {16, 16, testListIcon}},
        {QStringLiteral("splash_left.png"), {120, 180, splash}},
        {QStringLiteral("about.png"), {64, 64, aboutArtwork}},
    };
    return table;
}

bool save(const QImage &image, const QString &path, QString *errorString)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit())
        return true;
    if (errorString)
        *errorString = QStringLiteral("%1: %2").arg(file.fileName(), file.errorString());
    return false;
}

} // namespace

QStringList AppIcons::names()
{
    return icons().keys();
}

QImage AppIcons::render(const QString &name)
{
    const auto it = icons().constFind(name);
    return it == icons().cend() ? QImage() : paint(*it);
}

bool AppIcons::writeAll(const QString &directory, QString *errorString)
{
    const QDir dir(directory);
    for (const QString &name : names()) {
        if (!save(render(name), dir.filePath(name), errorString))
            return false;
    }
    return true;
}

QList<int> AppIcons::applicationIconSizes()
{
    return {16, 22, 24, 32, 48, 64, 128, 256};
}

QImage AppIcons::renderApplicationIcon(int size)
{
    const Icon icon = icons().value(ApplicationIcon);
    return paint(icon, qreal(size) / icon.width);
}

bool AppIcons::writeApplicationIcons(const QString &directory, QString *errorString)
{
    const QDir dir(directory);
    for (const int size : applicationIconSizes()) {
        const QString name = QStringLiteral("lorvane-%1.png").arg(size);
        if (!save(renderApplicationIcon(size), dir.filePath(name), errorString))
            return false;
    }
    return true;
}

} // namespace picgen
