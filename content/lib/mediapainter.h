#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

class QPainter;
class QRectF;

// Draws the demo pictures and video frames: coloured cards, large DejaVu Sans text and simple
// shapes. Every function returns a finished picture of the size the program shows it at (the
// program never scales pictures, except letter pictures, which it halves).
namespace MediaPainter {

enum class LetterStyle { Normal, Blank, Highlighted };
enum class Direction { Left, Right, Up, Down };

// Writes text into rect as large as fits, up to maxPixels high.
void drawFittedText(QPainter &painter, const QRectF &rect, const QString &text, int maxPixels,
                    const QColor &color, int flags = 0, bool bold = true);
// A small drawing for a word's category (animal, food, house, ...); a ball for anything else.
void drawCategoryShape(QPainter &painter, const QRectF &rect, const QString &category);

QImage button(const QSize &size, const QString &text, const QColor &base, bool rollover);
QImage placeholder(const QSize &size, const QColor &base);
QImage letter(LetterStyle style, const QString &glyph);
QImage bottomLetter(const QString &glyph);
QImage hand(const QString &glyph, bool upperCase);
QImage flus(const QString &glyph);
QImage wordPicture(const QString &word, const QString &category);
// The program's icon, size by size pixels.
QImage appIcon(int size);
// A title card; with a card height, only the top of the picture is drawn (the rest stays
// transparent), for titles whose lower edge lies under the word picture.
QImage title(const QSize &size, const QString &text, int cardHeight = 0);
QImage feedback(bool good, int variant);
QImage arrow(const QSize &size, Direction direction, const QColor &color, bool rollover);
QImage space();
QImage background(bool reading);
QImage warning(const QString &text);
QImage storyPage(int story, int page, int pageCount, const QString &text);
QImage credits();

// Frames of the demo videos; frame runs from 0 to frameCount - 1.
QImage signFrame(const QSize &size, const QString &word, int frame, int frameCount);
QImage lipsFrame(const QSize &size, const QString &word, int frame, int frameCount);
QImage splashFrame(const QSize &size, bool program, int frame, int frameCount);

} // namespace MediaPainter
