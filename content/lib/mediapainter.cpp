#include "mediapainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace MediaPainter {

namespace {

const QString family = QStringLiteral("DejaVu Sans");
const QColor ink(28, 40, 90);

QFont fontOf(qreal pixels, bool bold = true)
{
    QFont font(family);
    font.setPixelSize(qMax(6, qRound(pixels)));
    font.setBold(bold);
    return font;
}

QImage canvas(const QSize &size, const QColor &fill = Qt::transparent)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void begin(QPainter &painter, QImage &image)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

// A colour of its own for every text, so that neighbouring cards differ.
QColor colorFor(const QString &text, int saturation = 150, int value = 235)
{
    uint hash = 0;
    for (const QChar c : text)
        hash = hash * 31 + c.unicode();
    return QColor::fromHsv(int(hash % 360), saturation, value);
}

void card(QPainter &painter, const QRectF &rect, const QColor &fill, const QColor &border,
          qreal radius, qreal borderWidth = 3)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, fill.lighter(125));
    gradient.setColorAt(1, fill);
    painter.setPen(QPen(border, borderWidth));
    painter.setBrush(gradient);
    const qreal inset = borderWidth / 2;
    painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset), radius, radius);
}

void drawHandShape(QPainter &painter, const QRectF &rect, uint fingersUp, const QColor &skin)
{
    painter.save();
    painter.setPen(QPen(skin.darker(150), 3));
    painter.setBrush(skin);
    const qreal w = rect.width();
    const qreal h = rect.height();
    const QRectF palm(rect.left() + w * 0.2, rect.top() + h * 0.42, w * 0.6, h * 0.5);
    const qreal fingerWidth = palm.width() / 4.4;
    for (int i = 0; i < 4; ++i) {
        const bool up = fingersUp & (1u << i);
        const qreal length = up ? h * 0.42 : h * 0.16;
        const QRectF finger(palm.left() + fingerWidth * (0.2 + i * 1.05),
                            palm.top() - length + fingerWidth / 2, fingerWidth, length + 10);
        painter.drawRoundedRect(finger, fingerWidth / 2, fingerWidth / 2);
    }
    // The thumb leans out to the side when it is up.
    painter.save();
    const bool thumbUp = fingersUp & 16u;
    painter.translate(palm.left() + 6, palm.top() + palm.height() * 0.45);
    painter.rotate(thumbUp ? -55 : -15);
    painter.drawRoundedRect(QRectF(-fingerWidth * 0.5, -h * 0.28, fingerWidth * 1.05, h * 0.32),
                            fingerWidth / 2, fingerWidth / 2);
    painter.restore();
    painter.drawRoundedRect(palm, palm.width() * 0.25, palm.width() * 0.25);
    painter.restore();
}

void drawSun(QPainter &painter, const QPointF &center, qreal radius, const QColor &color)
{
    painter.save();
    painter.setPen(QPen(color.darker(115), radius * 0.15, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        painter.drawLine(center + QPointF(qCos(a), qSin(a)) * radius * 1.25,
                         center + QPointF(qCos(a), qSin(a)) * radius * 1.6);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawEllipse(center, radius, radius);
    painter.restore();
}

void drawTree(QPainter &painter, const QRectF &r)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 75, 40));
    painter.drawRect(QRectF(r.center().x() - r.width() * 0.08, r.top() + r.height() * 0.5,
                            r.width() * 0.16, r.height() * 0.5));
    painter.setBrush(QColor(60, 160, 70));
    painter.drawEllipse(QRectF(r.left(), r.top(), r.width(), r.height() * 0.65));
    painter.setBrush(QColor(90, 190, 90));
    painter.drawEllipse(QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.05,
                               r.width() * 0.45, r.height() * 0.35));
    painter.restore();
}

void drawHouse(QPainter &painter, const QRectF &r, const QColor &wall)
{
    painter.save();
    painter.setPen(QPen(QColor(90, 50, 30), 3));
    painter.setBrush(wall);
    const QRectF body(r.left() + r.width() * 0.1, r.top() + r.height() * 0.45, r.width() * 0.8,
                      r.height() * 0.55);
    painter.drawRect(body);
    QPolygonF roof;
    roof << QPointF(r.left(), body.top()) << QPointF(r.center().x(), r.top())
         << QPointF(r.right(), body.top());
    painter.setBrush(QColor(200, 60, 50));
    painter.drawPolygon(roof);
    painter.setBrush(QColor(130, 80, 40));
    painter.drawRect(QRectF(body.center().x() - body.width() * 0.12,
                            body.bottom() - body.height() * 0.55, body.width() * 0.24,
                            body.height() * 0.55));
    painter.setBrush(QColor(170, 220, 255));
    painter.drawRect(QRectF(body.left() + body.width() * 0.08, body.top() + body.height() * 0.2,
                            body.width() * 0.2, body.height() * 0.25));
    painter.restore();
}

// A round friendly animal: body, head, ears, eyes.
void drawAnimal(QPainter &painter, const QRectF &r, const QColor &fur, bool longEars = false)
{
    painter.save();
    painter.setPen(QPen(fur.darker(160), 3));
    painter.setBrush(fur);
    painter.drawEllipse(
        QRectF(r.left(), r.top() + r.height() * 0.45, r.width() * 0.75, r.height() * 0.5));
    const QRectF head(r.left() + r.width() * 0.5, r.top() + r.height() * 0.15, r.width() * 0.45,
                      r.width() * 0.45);
    const qreal earHeight = longEars ? head.height() * 0.9 : head.height() * 0.35;
    painter.drawEllipse(QRectF(head.left() + head.width() * 0.1, head.top() - earHeight * 0.6,
                               head.width() * 0.28, earHeight));
    painter.drawEllipse(QRectF(head.right() - head.width() * 0.38, head.top() - earHeight * 0.6,
                               head.width() * 0.28, earHeight));
    painter.drawEllipse(head);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const qreal eye = head.width() * 0.1;
    painter.drawEllipse(QPointF(head.left() + head.width() * 0.35, head.center().y()), eye, eye);
    painter.drawEllipse(QPointF(head.left() + head.width() * 0.7, head.center().y()), eye, eye);
    painter.restore();
}

} // namespace

void drawFittedText(QPainter &painter, const QRectF &rect, const QString &text, int maxPixels,
                    const QColor &color, int flags, bool bold)
{
    if (flags == 0)
        flags = Qt::AlignCenter | Qt::TextWordWrap;
    qreal pixels = maxPixels;
    QFont font = fontOf(pixels, bold);
    for (; pixels > 6; pixels *= 0.92) {
        font = fontOf(pixels, bold);
        const QRectF needed = QFontMetricsF(font).boundingRect(rect, flags, text);
        if (needed.width() <= rect.width() + 0.5 && needed.height() <= rect.height() + 0.5)
            break;
    }
    painter.save();
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(rect, flags, text);
    painter.restore();
}

void drawCategoryShape(QPainter &painter, const QRectF &r, const QString &category)
{
    painter.save();
    painter.setPen(QPen(QColor(60, 60, 60), 3));
    const QString c = category.toUpper();
    if (c == "ANIMALES") {
        drawAnimal(painter, r.adjusted(0, r.height() * 0.1, 0, 0), QColor(230, 170, 90));
    } else if (c == "COMIDA") {
        painter.setBrush(QColor(220, 40, 40));
        painter.drawEllipse(r.adjusted(r.width() * 0.1, r.height() * 0.2, -r.width() * 0.1, 0));
        painter.setBrush(QColor(60, 160, 60));
        painter.drawEllipse(QRectF(r.center().x(), r.top(), r.width() * 0.3, r.height() * 0.18));
    } else if (c == "CASA") {
        drawHouse(painter, r, QColor(250, 230, 170));
    } else if (c == "TRANSPORTE") {
        painter.setBrush(QColor(40, 120, 220));
        painter.drawRoundedRect(
            QRectF(r.left(), r.top() + r.height() * 0.4, r.width(), r.height() * 0.35), 10, 10);
        painter.drawRoundedRect(QRectF(r.left() + r.width() * 0.2, r.top() + r.height() * 0.15,
                                       r.width() * 0.55, r.height() * 0.3),
                                10, 10);
        painter.setBrush(QColor(40, 40, 40));
        const qreal wheel = r.width() * 0.12;
        painter.drawEllipse(QPointF(r.left() + r.width() * 0.25, r.top() + r.height() * 0.78),
                            wheel, wheel);
        painter.drawEllipse(QPointF(r.left() + r.width() * 0.75, r.top() + r.height() * 0.78),
                            wheel, wheel);
    } else if (c == "NATURALEZA") {
        drawTree(painter, r.adjusted(r.width() * 0.25, r.height() * 0.2, 0, 0));
        drawSun(painter, r.topLeft() + QPointF(r.width() * 0.2, r.height() * 0.2), r.width() * 0.12,
                QColor(255, 200, 0));
    } else if (c == "CUERPO") {
        drawHandShape(painter, r, 0x1f, QColor(245, 200, 160));
    } else if (c == "ROPA") {
        QPolygonF shirt;
        const qreal w = r.width(), h = r.height();
        shirt << QPointF(0.3, 0.1) << QPointF(0.42, 0.15) << QPointF(0.58, 0.15)
              << QPointF(0.7, 0.1) << QPointF(0.95, 0.3) << QPointF(0.85, 0.45)
              << QPointF(0.75, 0.38) << QPointF(0.75, 0.95) << QPointF(0.25, 0.95)
              << QPointF(0.25, 0.38) << QPointF(0.15, 0.45) << QPointF(0.05, 0.3);
        for (QPointF &p : shirt)
            p = QPointF(r.left() + p.x() * w, r.top() + p.y() * h);
        painter.setBrush(QColor(240, 120, 180));
        painter.drawPolygon(shirt);
    } else if (c == "FAMILIA") {
        for (int i = 0; i < 2; ++i) {
            const qreal scale = i == 0 ? 1.0 : 0.7;
            const qreal x = r.left() + r.width() * (0.3 + 0.4 * i);
            const qreal bottom = r.bottom();
            const qreal height = r.height() * scale;
            painter.setBrush(i == 0 ? QColor(90, 150, 230) : QColor(250, 170, 60));
            painter.drawRoundedRect(QRectF(x - r.width() * 0.12 * scale, bottom - height * 0.62,
                                           r.width() * 0.24 * scale, height * 0.62),
                                    8, 8);
            painter.setBrush(QColor(245, 205, 165));
            painter.drawEllipse(QPointF(x, bottom - height * 0.78), height * 0.15, height * 0.15);
        }
    } else {
        // A ball with stripes (toys and anything without a drawing of its own).
        const QRectF ball = r.adjusted(r.width() * 0.05, r.height() * 0.05, -r.width() * 0.05,
                                       -r.height() * 0.05);
        painter.setBrush(QColor(255, 210, 40));
        painter.drawEllipse(ball);
        painter.setBrush(QColor(230, 60, 60));
        painter.drawChord(ball, 30 * 16, 120 * 16);
        painter.setBrush(QColor(60, 120, 230));
        painter.drawChord(ball, 210 * 16, 120 * 16);
    }
    painter.restore();
}

QImage button(const QSize &size, const QString &text, const QColor &base, bool rollover)
{
    QImage image = canvas(size);
    QPainter painter;
    begin(painter, image);
    const QRectF rect(QPointF(0, 0), QSizeF(size));
    const qreal radius = qMin(size.width(), size.height()) * 0.2;
    card(painter, rect, rollover ? base.lighter(130) : base,
         rollover ? QColor(255, 200, 0) : base.darker(150), radius, rollover ? 4 : 2);
    // The File menu entries are only about 20 pixels high: plain letters read better there.
    const bool small = size.height() < 30;
    const qreal margin = small ? 1.0 : qMin(size.width(), size.height()) * 0.08;
    drawFittedText(painter, rect.adjusted(margin + 1, margin, -margin - 1, -margin), text,
                   int(size.height() * (small ? 0.7 : 0.6)), rollover ? ink : Qt::white, 0, !small);
    return image;
}

QImage placeholder(const QSize &size, const QColor &base)
{
    QImage image = canvas(size);
    QPainter painter;
    begin(painter, image);
    QColor fill = base;
    fill.setAlpha(90);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), 12, 12);
    return image;
}

QImage letter(LetterStyle style, const QString &glyph)
{
    const int height = 160;
    const int width = glyph.size() > 1 ? 180 : 120;
    QImage image = canvas(QSize(width, height));
    QPainter painter;
    begin(painter, image);
    const QRectF rect(4, 4, width - 8, height - 8);
    if (style == LetterStyle::Blank) {
        painter.setPen(QPen(ink, 5));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(rect, 14, 14);
        painter.setPen(QPen(QColor(170, 180, 210), 5, Qt::DotLine, Qt::RoundCap));
        painter.drawLine(QPointF(rect.left() + 16, rect.bottom() - 24),
                         QPointF(rect.right() - 16, rect.bottom() - 24));
        return image;
    }
    QColor color = ink;
    if (style == LetterStyle::Highlighted) {
        card(painter, rect, QColor(255, 215, 40), QColor(220, 50, 40), 14, 6);
        color = QColor(200, 20, 20);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 200));
        painter.drawRoundedRect(rect, 14, 14);
    }
    drawFittedText(painter, rect.adjusted(4, 4, -4, -4), glyph, 120, color, Qt::AlignCenter);
    return image;
}

QImage bottomLetter(const QString &glyph)
{
    const QSize size(261, 215);
    QImage image = canvas(size);
    QPainter painter;
    begin(painter, image);
    const QRectF rect(QPointF(0, 0), QSizeF(size));
    card(painter, rect, colorFor(glyph, 90, 250), ink, 24, 4);
    drawFittedText(painter, rect.adjusted(12, 12, -12, -12), glyph, 170, ink, Qt::AlignCenter);
    return image;
}

QImage hand(const QString &glyph, bool upperCase)
{
    const QSize size(282, 297);
    QImage image = canvas(size);
    QPainter painter;
    begin(painter, image);
    card(painter, QRectF(0, 0, size.width(), size.height()), QColor(215, 235, 255),
         QColor(90, 130, 200), 20, 4);
    // Each letter gets its own finger pattern so that the sequence visibly changes.
    uint hash = 7;
    for (const QChar c : glyph.toLower())
        hash = hash * 131 + c.unicode();
    uint fingers = (hash % 31) + 1;
    if (glyph.trimmed().isEmpty())
        fingers = 0;
    drawHandShape(painter, QRectF(20, 40, 170, 240), fingers, QColor(245, 200, 160));
    const QString shown
        = glyph.trimmed().isEmpty() ? QStringLiteral("␣") : (upperCase ? glyph.toUpper() : glyph);
    drawFittedText(painter, QRectF(170, 20, 100, 110), shown, 90, QColor(200, 40, 40));
    drawFittedText(painter, QRectF(10, 6, 170, 30), QStringLiteral("Seña"), 24, ink);
    return image;
}

QImage flus(const QString &glyph)
{
    const QSize size(207, 242);
    QImage image = canvas(size);
    QPainter painter;
    begin(painter, image);
    card(painter, QRectF(0, 0, size.width(), size.height()), QColor(255, 235, 200),
         QColor(230, 130, 40), 20, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colorFor(glyph, 120, 250));
    painter.drawEllipse(QRectF(28, 30, 150, 150));
    const QString shown = glyph.trimmed().isEmpty() ? QStringLiteral("␣") : glyph;
    drawFittedText(painter, QRectF(40, 45, 126, 120), shown, 110, ink);
    // Lips below the letter.
    painter.setPen(QPen(QColor(170, 40, 60), 3));
    painter.setBrush(QColor(220, 80, 100));
    painter.drawEllipse(QRectF(68, 192, 70, 32));
    painter.setPen(QPen(QColor(120, 20, 40), 3));
    painter.drawLine(QPointF(72, 208), QPointF(134, 208));
    return image;
}

QImage wordPicture(const QString &word, const QString &category)
{
    const QSize size(351, 211);
    QImage image = canvas(size);
    QPainter painter;
    begin(painter, image);
    card(painter, QRectF(0, 0, size.width(), size.height()), colorFor(word, 70, 250),
         colorFor(word, 160, 170), 22, 4);
    // No word in the picture: the activities ask how it begins while showing it.
    drawCategoryShape(painter, QRectF(95, 12, 160, 160), category);
    drawFittedText(painter, QRectF(16, 176, 320, 28), category.toLower(), 20,
                   colorFor(word, 160, 120), Qt::AlignCenter);
    return image;
}

QImage appIcon(int size)
{
    QImage image = canvas(QSize(size, size));
    QPainter painter;
    begin(painter, image);
    painter.scale(size / 256.0, size / 256.0);
    card(painter, QRectF(8, 8, 240, 240), QColor(60, 120, 210), QColor(30, 60, 130), 44, 8);
    drawFittedText(painter, QRectF(24, 20, 150, 150), QStringLiteral("a"), 150, Qt::white);
    drawHandShape(painter, QRectF(110, 96, 130, 140), 0x7u, QColor(245, 200, 160));
    return image;
}

QImage title(const QSize &size, const QString &text, int cardHeight)
{
    QImage image = canvas(size);
    QPainter painter;
    begin(painter, image);
    const int height = cardHeight > 0 ? qMin(cardHeight, size.height()) : size.height();
    const QRectF rect(0, 0, size.width(), height);
    card(painter, rect, QColor(255, 250, 225), QColor(240, 150, 40), 26, 5);
    drawFittedText(painter, rect.adjusted(18, 12, -18, -12), text, 44, QColor(200, 70, 30));
    return image;
}

QImage feedback(bool good, int variant)
{
    static const QStringList goodTexts = {"¡Muy bien!", "¡Excelente!", "¡Bravo!"};
    static const QStringList wrongTexts = {"Intenta otra vez", "¡Casi!", "Prueba de nuevo"};
    const QSize size(207, 250);
    QImage image = canvas(size);
    QPainter painter;
    begin(painter, image);
    const QColor face = good ? QColor(110, 200, 90) : QColor(250, 150, 60);
    card(painter, QRectF(0, 0, size.width(), size.height()), QColor(255, 255, 255),
         face.darker(130), 24, 5);
    const QRectF head(33, 20, 140, 140);
    painter.setPen(QPen(face.darker(150), 4));
    painter.setBrush(face);
    painter.drawEllipse(head);
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(78, 72), 10, 12);
    painter.drawEllipse(QPointF(128, 72), 10, 12);
    painter.setPen(QPen(Qt::black, 7, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    if (good)
        painter.drawArc(QRectF(63, 70, 80, 60), 200 * 16, 140 * 16);
    else
        painter.drawArc(QRectF(68, 112, 70, 40), 30 * 16, 120 * 16);
    const QStringList &texts = good ? goodTexts : wrongTexts;
    drawFittedText(painter, QRectF(10, 168, 187, 72), texts.at((variant - 1) % 3), 34,
                   face.darker(170));
    return image;
}

QImage arrow(const QSize &size, Direction direction, const QColor &color, bool rollover)
{
    QImage image = canvas(size);
    QPainter painter;
    begin(painter, image);
    // Drawn pointing right in a unit square, then turned.
    painter.translate(size.width() / 2.0, size.height() / 2.0);
    qreal w = size.width(), h = size.height();
    if (direction == Direction::Up || direction == Direction::Down)
        std::swap(w, h);
    const int angle = direction == Direction::Right ? 0
        : direction == Direction::Down              ? 90
        : direction == Direction::Left              ? 180
                                                    : 270;
    painter.rotate(angle);
    QPolygonF shape;
    shape << QPointF(-0.45, -0.18) << QPointF(0.05, -0.18) << QPointF(0.05, -0.42)
          << QPointF(0.47, 0) << QPointF(0.05, 0.42) << QPointF(0.05, 0.18) << QPointF(-0.45, 0.18);
    if (w < 40) // the small page arrows are a plain triangle
        shape = QPolygonF() << QPointF(-0.4, -0.45) << QPointF(0.45, 0) << QPointF(-0.4, 0.45);
    for (QPointF &p : shape)
        p = QPointF(p.x() * w, p.y() * h);
    painter.setPen(QPen(color.darker(160), 2));
    painter.setBrush(rollover ? color.lighter(140) : color);
    painter.drawPolygon(shape);
    return image;
}

QImage space()
{
    QImage image = canvas(QSize(20, 50));
    QPainter painter;
    begin(painter, image);
    painter.setPen(QPen(QColor(255, 255, 255, 160), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(3, 45), QPointF(17, 45));
    return image;
}

QImage background(bool reading)
{
    const QSize size(1024, 741);
    QImage image = canvas(size);
    QPainter painter;
    begin(painter, image);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, reading ? QColor(255, 200, 120) : QColor(120, 190, 245));
    sky.setColorAt(0.55, reading ? QColor(255, 235, 180) : QColor(200, 235, 255));
    sky.setColorAt(1, reading ? QColor(250, 210, 150) : QColor(170, 225, 160));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        QColor bubble = QColor::fromHsv((i * 47 + (reading ? 20 : 180)) % 360, 90, 255, 70);
        painter.setBrush(bubble);
        const qreal r = 20 + (i * 37) % 60;
        painter.drawEllipse(QPointF((i * 173) % 1024, 280 + (i * 97) % 440), r, r);
    }
    // A soft stage behind the activities.
    painter.setBrush(QColor(255, 255, 255, 110));
    painter.drawRoundedRect(QRectF(60, 270, 904, 450), 30, 30);
    return image;
}

QImage warning(const QString &text)
{
    const QSize size(542, 131);
    QImage image = canvas(size);
    QPainter painter;
    begin(painter, image);
    card(painter, QRectF(0, 0, size.width(), size.height()), QColor(255, 240, 120),
         QColor(210, 60, 40), 20, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(210, 60, 40));
    painter.drawEllipse(QPointF(70, 65), 42, 42);
    drawFittedText(painter, QRectF(40, 25, 60, 80), QStringLiteral("!"), 70, Qt::white);
    drawFittedText(painter, QRectF(125, 12, 405, 107), text, 40, QColor(120, 30, 20));
    return image;
}

QImage storyPage(int story, int page, int pageCount, const QString &text)
{
    const QSize size(884, 556);
    QImage image = canvas(size);
    QPainter painter;
    begin(painter, image);
    const bool night = story == 1;
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, night ? QColor(20, 30, 90) : QColor::fromHsv(190 + story * 8, 110, 245));
    sky.setColorAt(0.7, night ? QColor(70, 80, 150) : QColor(225, 245, 255));
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    painter.setBrush(story == 5 ? QColor(220, 190, 100) : QColor(110, 190, 90));
    painter.drawEllipse(QRectF(-200, 330, 1284, 400));

    // The scene moves a little from page to page.
    const qreal step = pageCount > 1 ? qreal(page - 1) / (pageCount - 1) : 0;
    if (night) {
        painter.setBrush(QColor(250, 245, 200));
        painter.drawEllipse(QPointF(700 - 150 * step, 100), 55, 55);
        painter.setBrush(QColor(20, 30, 90));
        painter.drawEllipse(QPointF(725 - 150 * step, 85), 50, 50);
    } else if (story == 3) {
        painter.setPen(QPen(QColor(70, 120, 220), 4, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 40; ++i) {
            const qreal x = (i * 97 + page * 31) % 884, y = (i * 53 + page * 17) % 300;
            painter.drawLine(QPointF(x, y), QPointF(x - 6, y + 18));
        }
        painter.setPen(Qt::NoPen);
    } else {
        drawSun(painter, QPointF(120 + 600 * step, 90), 45, QColor(255, 210, 40));
    }
    drawTree(painter, QRectF(640, 170, 190, 230));
    if (story == 2)
        drawHouse(painter, QRectF(80, 190, 200, 180), QColor(200, 150, 90));
    const QColor furs[] = {QColor(250, 160, 60), QColor(150, 100, 60), QColor(250, 250, 250),
                           QColor(120, 170, 80), QColor(230, 180, 80)};
    drawAnimal(painter, QRectF(300 + 200 * step, 230, 160, 150), furs[(story - 1) % 5], story == 4);
    if (story >= 4)
        drawAnimal(painter, QRectF(520 - 120 * step, 300, 90, 80),
                   story == 4 ? QColor(110, 150, 70) : QColor(170, 170, 180), story == 4);

    const QRectF box(40, 400, 804, 130);
    card(painter, box, QColor(255, 255, 255, 235), QColor(240, 150, 40), 20, 4);
    drawFittedText(painter, box.adjusted(20, 10, -20, -10), text, page == 1 ? 54 : 40, ink);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 220));
    painter.drawRoundedRect(QRectF(770, 20, 94, 44), 12, 12);
    drawFittedText(painter, QRectF(770, 20, 94, 44),
                   QStringLiteral("%1 / %2").arg(page).arg(pageCount), 28, ink);
    return image;
}

QImage credits()
{
    const QSize size(1024, 768);
    QImage image = canvas(size);
    QPainter painter;
    begin(painter, image);
    QRadialGradient glow(512, 300, 700);
    glow.setColorAt(0, QColor(255, 250, 220));
    glow.setColorAt(1, QColor(120, 180, 240));
    painter.fillRect(image.rect(), glow);
    drawFittedText(painter, QRectF(100, 60, 824, 130), QStringLiteral("Quelvanto"), 110,
                   QColor(200, 70, 30));
    drawFittedText(painter, QRectF(100, 200, 824, 60), QStringLiteral("Créditos"), 48, ink);
    drawFittedText(painter, QRectF(140, 290, 744, 300),
                   QStringLiteral("Un programa para aprender a leer y escribir en español.\n\n"
                                  "Dibujos, letras, cuentos y videos de demostración\n"
                                  "generados por el propio programa."),
                   34, ink);
    for (int i = 0; i < 5; ++i)
        drawSun(painter, QPointF(160 + i * 176, 640), 22, QColor::fromHsv(i * 60, 160, 250));
    return image;
}

QImage signFrame(const QSize &size, const QString &word, int frame, int frameCount)
{
    QImage image = canvas(size, colorFor(word, 60, 250));
    QPainter painter;
    begin(painter, image);
    const qreal t = frameCount > 1 ? qreal(frame) / (frameCount - 1) : 0;
    drawFittedText(painter, QRectF(10, 8, size.width() - 20, size.height() * 0.25), word,
                   int(size.height() * 0.2), ink);
    // A hand waving along an arc: the "sign".
    const qreal a = M_PI * (0.15 + 0.7 * t);
    const QPointF center(size.width() / 2.0 - qCos(a) * size.width() * 0.3,
                         size.height() * 0.95 - qSin(a) * size.height() * 0.55);
    const qreal handSize = size.height() * 0.4;
    drawHandShape(painter,
                  QRectF(center.x() - handSize / 2, center.y() - handSize / 2, handSize, handSize),
                  0x1f, QColor(245, 200, 160));
    drawFittedText(painter, QRectF(10, size.height() * 0.85, 120, size.height() * 0.13),
                   QStringLiteral("Seña"), int(size.height() * 0.09), ink,
                   Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

QImage lipsFrame(const QSize &size, const QString &word, int frame, int frameCount)
{
    QImage image = canvas(size, QColor(250, 235, 215));
    QPainter painter;
    begin(painter, image);
    drawFittedText(painter, QRectF(10, 8, size.width() - 20, size.height() * 0.22), word,
                   int(size.height() * 0.18), ink);
    const QRectF face(size.width() * 0.25, size.height() * 0.28, size.width() * 0.5,
                      size.height() * 0.68);
    painter.setPen(QPen(QColor(200, 140, 100), 3));
    painter.setBrush(QColor(245, 205, 165));
    painter.drawEllipse(face);
    painter.setBrush(Qt::black);
    painter.setPen(Qt::NoPen);
    const qreal eye = face.width() * 0.06;
    painter.drawEllipse(
        QPointF(face.left() + face.width() * 0.33, face.top() + face.height() * 0.35), eye, eye);
    painter.drawEllipse(
        QPointF(face.left() + face.width() * 0.67, face.top() + face.height() * 0.35), eye, eye);
    // The mouth opens and closes as if saying the word.
    const qreal open = qAbs(qSin(frame * M_PI * 5 / qMax(1, frameCount)));
    const QPointF mouth(face.center().x(), face.top() + face.height() * 0.72);
    painter.setPen(QPen(QColor(150, 30, 50), 3));
    painter.setBrush(QColor(120, 20, 40));
    painter.drawEllipse(mouth, face.width() * 0.22, 3 + face.height() * 0.12 * open);
    drawFittedText(painter, QRectF(10, size.height() * 0.85, 120, size.height() * 0.13),
                   QStringLiteral("Labios"), int(size.height() * 0.09), ink,
                   Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

QImage splashFrame(const QSize &size, bool program, int frame, int frameCount)
{
    const qreal t = frameCount > 1 ? qreal(frame) / (frameCount - 1) : 0;
    QImage image = canvas(size, program ? QColor(255, 245, 220) : QColor(30, 60, 120));
    QPainter painter;
    begin(painter, image);
    const QRectF rect(QPointF(0, 0), QSizeF(size));
    if (program) {
        const QString name = QStringLiteral("Quelvanto");
        const qreal cell = size.width() / (name.size() + 1.0);
        for (int i = 0; i < name.size(); ++i) {
            const qreal bounce = qAbs(qSin((t * 3 + i * 0.15) * M_PI)) * size.height() * 0.12;
            const QRectF box(cell * (i + 0.5), size.height() * 0.35 - bounce, cell * 0.95,
                             cell * 1.2);
            card(painter, box, QColor::fromHsv(i * 40, 150, 245), ink, 10, 2);
            drawFittedText(painter, box, name.mid(i, 1), int(cell), Qt::white);
        }
        drawFittedText(painter, QRectF(0, size.height() * 0.7, size.width(), size.height() * 0.15),
                       QStringLiteral("Aprendo a leer y escribir"), int(size.height() * 0.07), ink);
    } else {
        const qreal radius = size.height() * (0.1 + 0.25 * t);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 210, 60, 200));
        painter.drawEllipse(rect.center(), radius, radius);
        drawFittedText(painter, QRectF(0, size.height() * 0.1, size.width(), size.height() * 0.2),
                       QStringLiteral("Escuela de demostración"), int(size.height() * 0.09),
                       Qt::white);
        drawFittedText(painter, QRectF(0, size.height() * 0.75, size.width(), size.height() * 0.12),
                       QStringLiteral("presenta"), int(size.height() * 0.07), Qt::white);
    }
    return image;
}

} // namespace MediaPainter
