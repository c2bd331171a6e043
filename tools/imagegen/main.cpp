// Draws the connect dialog's picture, the select dialog's two list icons and the two busy
// animations of the update dialogs into the resources folder, and, given the demo skin's image
// folder too, the demo's two wait-screen pictures. The files are committed; run this only to
// change them:
//   cmake --build build --target imagegen
//   build/tools/imagegen/imagegen resources demo/skin/images
// Qt writes no GIF, so the animations are encoded here (GIF89a, one global palette, LZW).

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QtMath>

#include <map>
#include <vector>

namespace {

// The dialogs' background: half-transparent edges of the animations are blended onto it, since
// a GIF pixel is either opaque or fully transparent.
const QColor Matte(0x1d, 0x4f, 0x78);
const QColor Light(0xef, 0xf8, 0xfc);

QImage scannerPicture()
{
    QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Shadow on the desk.
    QRadialGradient shadow(QPointF(200, 252), 170);
    shadow.setColorAt(0, QColor(0, 0, 0, 90));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QRectF(30, 232, 340, 40));

    // The sheet waiting in the feeder, with a few lines of text.
    QPainterPath sheet;
    sheet.moveTo(138, 112);
    sheet.lineTo(262, 112);
    sheet.lineTo(250, 28);
    sheet.lineTo(150, 28);
    sheet.closeSubpath();
    p.setBrush(QColor(0xfd, 0xfd, 0xfd));
    p.setPen(QPen(QColor(0xa9, 0xb4, 0xbd), 2));
    p.drawPath(sheet);
    p.setPen(QPen(QColor(0xb8, 0xc4, 0xcc), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        const qreal y = 44 + i * 12;
        const qreal inset = (112 - y) * 12.0 / 84.0;
        p.drawLine(QPointF(160 - inset + 4, y), QPointF(240 + inset - (i == 4 ? 40 : 4), y));
    }

    // Feeder cover, sloping back.
    QPainterPath cover;
    cover.moveTo(78, 152);
    cover.lineTo(322, 152);
    cover.lineTo(298, 102);
    cover.lineTo(102, 102);
    cover.closeSubpath();
    QLinearGradient coverShade(0, 102, 0, 152);
    coverShade.setColorAt(0, QColor(0xe6, 0xea, 0xee));
    coverShade.setColorAt(1, QColor(0xc3, 0xcb, 0xd2));
    p.setBrush(coverShade);
    p.setPen(QPen(QColor(0x7c, 0x88, 0x92), 2));
    p.drawPath(cover);
    p.setPen(QPen(QColor(0x5a, 0x66, 0x70), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(130, 112), QPointF(270, 112));

    // Body.
    QLinearGradient bodyShade(0, 150, 0, 242);
    bodyShade.setColorAt(0, QColor(0xf7, 0xf9, 0xfa));
    bodyShade.setColorAt(1, QColor(0xb9, 0xc2, 0xca));
    p.setBrush(bodyShade);
    p.setPen(QPen(QColor(0x7c, 0x88, 0x92), 2));
    p.drawRoundedRect(QRectF(58, 148, 284, 94), 16, 16);

    // Output slot and the front panel.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3a, 0x44, 0x4d));
    p.drawRoundedRect(QRectF(88, 166, 224, 10), 5, 5);
    p.setBrush(QColor(0xd5, 0xdc, 0xe2));
    p.drawRoundedRect(QRectF(84, 196, 150, 28), 6, 6);
    p.setPen(QPen(QColor(0x9a, 0xa5, 0xae), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(96, 210), QPointF(196, 210));

    // Power button with its lit ring: the scanner is switched on.
    QRadialGradient glow(QPointF(298, 210), 22);
    glow.setColorAt(0, QColor(0x52, 0xc2, 0xff, 200));
    glow.setColorAt(1, QColor(0x52, 0xc2, 0xff, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(298, 210), 22, 22);
    p.setBrush(QColor(0xf4, 0xf7, 0xf9));
    p.setPen(QPen(QColor(0x2e, 0xa8, 0xf0), 3));
    p.drawEllipse(QPointF(298, 210), 11, 11);

    // The USB cable leaving the back and its plug.
    QPainterPath cable;
    cable.moveTo(338, 196);
    cable.cubicTo(376, 196, 372, 258, 352, 270);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x2b, 0x34, 0x3b), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
    p.setPen(QPen(QColor(0xcf, 0xd6, 0xdc), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(cable);
    p.save();
    p.translate(346, 274);
    p.rotate(32);
    p.setPen(QPen(QColor(0x5a, 0x66, 0x70), 2));
    p.setBrush(QColor(0xe9, 0xed, 0xf0));
    p.drawRoundedRect(QRectF(-9, -6, 18, 16), 3, 3);
    p.setBrush(QColor(0xa9, 0xb4, 0xbd));
    p.drawRect(QRectF(-6, 10, 12, 12));
    p.restore();
    return image;
}

QImage clearFrame(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Twelve dots around a circle, the brightest one moving on clockwise.
QImage dotsFrame(int size, int frame, int frames)
{
    QImage image = clearFrame(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const qreal radius = size * 0.36;
    const qreal dot = size * 0.075;
    for (int i = 0; i < frames; ++i) {
        const int age = (frame - i + frames) % frames;
        QColor colour = Light;
        colour.setAlphaF(qMax(0.18, 1.0 - age * 0.09));
        p.setBrush(colour);
        const qreal angle = 2 * M_PI * i / frames - M_PI / 2;
        p.drawEllipse(QPointF(size / 2.0 + radius * qCos(angle), size / 2.0 + radius * qSin(angle)),
                      dot * (age == 0 ? 1.3 : 1.0),
                      dot * (age == 0 ? 1.3 : 1.0));
    }
    return image;
}

// An arc chasing round a faint ring.
QImage arcFrame(int size, int frame, int frames)
{
    QImage image = clearFrame(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal width = size * 0.12;
    const QRectF ring(width, width, size - 2 * width, size - 2 * width);
    QColor faint = Light;
    faint.setAlphaF(0.25);
    p.setPen(QPen(faint, width));
    p.drawEllipse(ring);
    p.setPen(QPen(Light, width, Qt::SolidLine, Qt::RoundCap));
    const int start = 90 * 16 - frame * 360 * 16 / frames;
    p.drawArc(ring, start, -100 * 16);
    return image;
}

class GifWriter
{
public:
    // Every frame the same size; delay in hundredths of a second.
    QByteArray encode(const std::vector<QImage> &frames, int delay)
    {
        std::vector<std::vector<uint8_t>> indexed;
        for (const QImage &frame : frames)
            indexed.push_back(index(frame));
        QByteArray gif("GIF89a");
        const int width = frames.front().width();
        const int height = frames.front().height();
        putWord(gif, width);
        putWord(gif, height);
        gif.append(char(0xF7)); // global table of 256 colours, 8 bits each
        gif.append(char(0));
        gif.append(char(0));
        for (int i = 0; i < 256; ++i) {
            const QRgb colour = i < int(m_palette.size()) ? m_palette[i] : 0;
            gif.append(char(qRed(colour)));
            gif.append(char(qGreen(colour)));
            gif.append(char(qBlue(colour)));
        }
        // Loop for ever.
        gif.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
        for (const std::vector<uint8_t> &pixels : indexed) {
            gif.append("\x21\xF9\x04", 3);
            gif.append(char(0x09)); // restore to background, index 0 transparent
            putWord(gif, delay);
            gif.append(char(0));
            gif.append(char(0));
            gif.append(char(0x2C));
            putWord(gif, 0);
            putWord(gif, 0);
            putWord(gif, width);
            putWord(gif, height);
            gif.append(char(0));
            gif.append(char(8));
            const QByteArray data = lzw(pixels);
            for (int pos = 0; pos < data.size(); pos += 255) {
                const QByteArray block = data.mid(pos, 255);
                gif.append(char(block.size()));
                gif.append(block);
            }
            gif.append(char(0));
        }
        gif.append(char(0x3B));
        return gif;
    }

    bool fits() const { return m_palette.size() <= 256; }

private:
    static void putWord(QByteArray &out, int value)
    {
        out.append(char(value & 0xFF));
        out.append(char((value >> 8) & 0xFF));
    }

    std::vector<uint8_t> index(const QImage &frame)
    {
        const QImage image = frame.convertToFormat(QImage::Format_ARGB32);
        std::vector<uint8_t> pixels;
        if (m_palette.empty())
            m_palette.push_back(qRgb(Matte.red(), Matte.green(), Matte.blue())); // transparent
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                const int alpha = qAlpha(pixel);
                if (alpha < 8) {
                    pixels.push_back(0);
                    continue;
                }
                const auto blend = [alpha](int over, int under) {
                    return (over * alpha + under * (255 - alpha) + 127) / 255;
                };
                const QRgb solid = qRgb(blend(qRed(pixel), Matte.red()),
                                        blend(qGreen(pixel), Matte.green()),
                                        blend(qBlue(pixel), Matte.blue()));
                auto found = m_indices.find(solid);
                if (found == m_indices.end()) {
                    found = m_indices.emplace(solid, int(m_palette.size())).first;
                    m_palette.push_back(solid);
                }
                pixels.push_back(uint8_t(qMin(found->second, 255)));
            }
        }
        return pixels;
    }

    // Variable-width LZW with an 8-bit root, codes packed from the low bit.
    static QByteArray lzw(const std::vector<uint8_t> &pixels)
    {
        QByteArray out;
        uint32_t bitBuffer = 0;
        int bitCount = 0;
        int codeSize = 9;
        const int clear = 256;
        const int end = 257;
        int next = 258;
        std::map<std::pair<int, uint8_t>, int> table;
        const auto put = [&](int code) {
            bitBuffer |= uint32_t(code) << bitCount;
            bitCount += codeSize;
            while (bitCount >= 8) {
                out.append(char(bitBuffer & 0xFF));
                bitBuffer >>= 8;
                bitCount -= 8;
            }
        };
        put(clear);
        int prefix = pixels.front();
        for (size_t i = 1; i < pixels.size(); ++i) {
            const auto key = std::make_pair(prefix, pixels[i]);
            const auto found = table.find(key);
            if (found != table.end()) {
                prefix = found->second;
                continue;
            }
            put(prefix);
            if (next < 4096) {
                table[key] = next++;
                if (next > (1 << codeSize) && codeSize < 12)
                    ++codeSize;
            } else {
                put(clear);
                table.clear();
                next = 258;
                codeSize = 9;
            }
            prefix = pixels[i];
        }
        put(prefix);
        put(end);
        if (bitCount > 0)
            out.append(char(bitBuffer & 0xFF));
        return out;
    }

    std::vector<QRgb> m_palette;
    std::map<QRgb, int> m_indices;
};

// The select dialog's marks for a scanner, 16 by 16: a cloud with an arrow down when the update
// server has software for it (green, to stand out on a selected row), a crossed-out cloud when not
// (or not yet known).
QImage listIcon(bool supported)
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor cloud = supported ? QColor(0x2e, 0x9d, 0x4a) : QColor(0x8a, 0x96, 0xa0);
    p.setPen(Qt::NoPen);
    p.setBrush(cloud);
    p.drawEllipse(QRectF(1, 5, 7, 7));
    p.drawEllipse(QRectF(4, 2, 8, 8));
    p.drawEllipse(QRectF(8, 5, 7, 7));
    p.drawRect(QRectF(4.5, 8, 7, 4));
    if (supported) {
        p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(8, 5), QPointF(8, 12.5));
        p.drawLine(QPointF(5.5, 10), QPointF(8, 12.5));
        p.drawLine(QPointF(10.5, 10), QPointF(8, 12.5));
    } else {
        p.setPen(QPen(QColor(0xc0, 0x39, 0x2b), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(2, 14), QPointF(14, 2));
    }
    return image;
}

// The wait screen's pictures stand beside a translated "Please wait...": they carry no words, so
// they suit every language. A small flatbed scanner, 240 by 90, and what is being set up on it.
const QColor WaitBlue(0x1f, 0x4e, 0x79);
const QColor WaitOrange(0xe8, 0xa3, 0x17);

void drawSmallScanner(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(WaitBlue);
    p.drawRoundedRect(QRectF(50, 40, 110, 36), 8, 8);
    p.setBrush(WaitBlue.lighter(150));
    p.drawRoundedRect(QRectF(46, 28, 118, 14), 5, 5);
    // The glass, seen through the raised lid's edge.
    p.setBrush(QColor(0xd6, 0xea, 0xf5));
    p.drawRect(QRectF(58, 44, 70, 4));
}

// A cog: the driver being installed.
void drawDriverWork(QPainter &p)
{
    const QPointF centre(172, 38);
    QPainterPath wheel;
    wheel.addEllipse(centre, 18, 18);
    for (int tooth = 0; tooth < 8; ++tooth) {
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(tooth * 45.0);
        QPainterPath one;
        one.addRoundedRect(QRectF(-5.5, -25, 11, 14), 2, 2);
        wheel = wheel.united(turn.map(one));
    }
    QPainterPath hole;
    hole.addEllipse(centre, 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(WaitOrange);
    p.drawPath(wheel.subtracted(hole));
}

// The front panel's three buttons, lit, and a circling arrow: the service starting.
void drawButtonsWork(QPainter &p)
{
    p.setBrush(WaitOrange);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(120 + i * 13, 62), 4.5, 4.5);
    const QRectF ring(166, 14, 44, 44);
    p.setPen(QPen(WaitOrange, 6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 100 * 16, 280 * 16);
    QPainterPath head;
    head.moveTo(188, 4);
    head.lineTo(200, 14);
    head.lineTo(186, 22);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(WaitOrange);
    p.drawPath(head);
}

QImage waitPicture(void (*drawWork)(QPainter &))
{
    QImage image(240, 90, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawSmallScanner(p);
    drawWork(p);
    return image;
}

bool writeGif(const QString &path, QImage (*draw)(int, int, int), int size, int frames, int delay)
{
    std::vector<QImage> images;
    for (int i = 0; i < frames; ++i)
        images.push_back(draw(size, i, frames));
    GifWriter writer;
    const QByteArray gif = writer.encode(images, delay);
    QFile file(path);
    return writer.fits() && file.open(QIODevice::WriteOnly) && file.write(gif) == gif.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const int count = app.arguments().size();
    if (count != 2 && count != 3) {
        err << "usage: imagegen RESOURCES_FOLDER [DEMO_SKIN_IMAGES_FOLDER]\n";
        return 2;
    }
    const QDir resources(app.arguments().at(1));
    bool ok = scannerPicture().save(
            resources.filePath(QStringLiteral("images/scanner_connect.png")));
    ok = listIcon(true).save(resources.filePath(QStringLiteral("images/download.png"))) && ok;
    ok = listIcon(false).save(resources.filePath(QStringLiteral("images/no_inet.png"))) && ok;
    ok = writeGif(
                 resources.filePath(QStringLiteral("animations/loader1.gif")), dotsFrame, 32, 12, 8)
         && ok;
    ok = writeGif(resources.filePath(QStringLiteral("animations/loader.gif")), arcFrame, 32, 12, 6)
         && ok;
    if (count == 3) {
        const QDir skin(app.arguments().at(2));
        ok = waitPicture(drawDriverWork).save(skin.filePath(QStringLiteral("wait_driver.png")))
             && ok;
        ok = waitPicture(drawButtonsWork).save(skin.filePath(QStringLiteral("wait_buttons.png")))
             && ok;
    }
    if (!ok)
        err << "imagegen: could not write every file into " << resources.path() << '\n';
    return ok ? 0 : 1;
}
