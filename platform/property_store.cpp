// Saved settings of a control instance and their text form.
#include "platform/property_store.h"

#include <QBuffer>
#include <QFile>
#include <QStringView>
#include <limits>

namespace quorvel::platform {
namespace {

// QImage text keys that travel with a picture's image.
const QString kNameKey = QStringLiteral("quorvel.name");
const QString kHotSpotXKey = QStringLiteral("quorvel.hotspot.x");
const QString kHotSpotYKey = QStringLiteral("quorvel.hotspot.y");
const QString kPngPrefix = QStringLiteral("png:");

// Decimal with an optional sign, or 32 unsigned bits of hexadecimal after 0x or &H.
std::optional<std::int32_t> ParseInteger(QStringView text)
{
    text = text.trimmed();
    bool ok = false;
    if (text.startsWith(u"0x", Qt::CaseInsensitive) ||
        text.startsWith(u"&h", Qt::CaseInsensitive)) {
        const QStringView digits = text.mid(2);
        if (digits.isEmpty() || digits.size() > 8)
            return std::nullopt;
        const std::uint32_t bits = digits.toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        return static_cast<std::int32_t>(bits);
    }
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

QString Quote(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        default:
            out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

// The text between the quotes of a value that starts with one; nullopt when it is not closed
// or something other than blanks follows it.
std::optional<QString> Unquote(QStringView value)
{
    QString out;
    qsizetype i = 1;
    for (; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == QLatin1Char('"'))
            break;
        if (c == QLatin1Char('\\')) {
            if (++i == value.size())
                return std::nullopt;
            switch (value[i].unicode()) {
            case 'n':
                out += QLatin1Char('\n');
                break;
            case 't':
                out += QLatin1Char('\t');
                break;
            default:
                out += value[i];
            }
            continue;
        }
        out += c;
    }
    if (i >= value.size() || !value.mid(i + 1).trimmed().isEmpty())
        return std::nullopt;
    return out;
}

QString PngText(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return kPngPrefix + QString::fromLatin1(bytes.toBase64());
}

// The hot spot that an XPM header may carry after its width, height, colour count and
// characters per pixel.
std::optional<QPoint> XpmHeaderHotSpot(const QByteArray& xpm, QSize size)
{
    const qsizetype brace = xpm.indexOf('{');
    const qsizetype open = xpm.indexOf('"', brace < 0 ? 0 : brace);
    const qsizetype close = open < 0 ? -1 : xpm.indexOf('"', open + 1);
    if (close < 0)
        return std::nullopt;
    const QList<QByteArray> fields = xpm.mid(open + 1, close - open - 1).simplified().split(' ');
    if (fields.size() < 6)
        return std::nullopt;
    bool okX = false;
    bool okY = false;
    const int x = fields[4].toInt(&okX);
    const int y = fields[5].toInt(&okY);
    if (!okX || !okY || x < 0 || y < 0 || x >= size.width() || y >= size.height())
        return std::nullopt;
    return QPoint(x, y);
}

} // namespace

PropertyStore::ConversionError::ConversionError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

PropertyStore::ParseError::ParseError(int line, const QString& message)
    : std::runtime_error(QStringLiteral("line %1: %2").arg(line).arg(message).toStdString()),
      mLine(line)
{
}

PropertyStore PropertyStore::FromText(const QString& text)
{
    PropertyStore store;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const int lineNumber = static_cast<int>(n + 1);
        const QStringView line = QStringView(lines[n]).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0)
            throw ParseError(lineNumber, QStringLiteral("no \"=\" between key and value"));
        const QString key = line.left(equals).trimmed().toString();
        if (key.isEmpty())
            throw ParseError(lineNumber, QStringLiteral("no key before \"=\""));
        const QStringView value = line.mid(equals + 1).trimmed();
        if (value.startsWith(u'"')) {
            const std::optional<QString> inner = Unquote(value);
            if (!inner)
                throw ParseError(lineNumber, QStringLiteral("the quoted value is not closed"));
            store.Write(key, Raw{*inner, true});
        } else {
            store.Write(key, Raw{value.toString(), false});
        }
    }
    return store;
}

QString PropertyStore::ToText() const
{
    QString out;
    for (const Entry& entry : mEntries) {
        out += entry.key;
        out += QStringLiteral(" = ");
        if (const auto* integer = std::get_if<Integer>(&entry.value)) {
            out += integer->hex ? QString::asprintf("0x%08X", static_cast<unsigned>(integer->value))
                                : QString::number(integer->value);
        } else if (const auto* flag = std::get_if<bool>(&entry.value)) {
            out += *flag ? QStringLiteral("-1") : QStringLiteral("0");
        } else if (const auto* text = std::get_if<QString>(&entry.value)) {
            out += Quote(*text);
        } else if (const auto* font = std::get_if<QFont>(&entry.value)) {
            out += Quote(font->toString());
        } else if (const auto* picture = std::get_if<PicturePtr>(&entry.value)) {
            const QString name = PictureName(**picture);
            out += Quote(name.isEmpty() ? PngText((*picture)->Image()) : name);
        } else {
            const Raw& raw = std::get<Raw>(entry.value);
            out += raw.quoted ? Quote(raw.text) : raw.text;
        }
        out += QLatin1Char('\n');
    }
    return out;
}

void PropertyStore::WriteInt(const QString& key, std::int32_t value)
{
    Write(key, Integer{value, false});
}

void PropertyStore::WriteColour(const QString& key, std::int32_t value)
{
    Write(key, Integer{value, true});
}

void PropertyStore::WriteBool(const QString& key, bool value)
{
    Write(key, value);
}

void PropertyStore::WriteText(const QString& key, const QString& value)
{
    Write(key, value);
}

void PropertyStore::WriteFont(const QString& key, const QFont& value)
{
    Write(key, value);
}

void PropertyStore::WritePicture(const QString& key, PicturePtr value)
{
    if (value) {
        Write(key, std::move(value));
        return;
    }
    std::erase_if(mEntries, [&key](const Entry& entry) {
        return entry.key.compare(key, Qt::CaseInsensitive) == 0;
    });
}

bool PropertyStore::Contains(const QString& key) const
{
    return Find(key) != nullptr;
}

QStringList PropertyStore::Keys() const
{
    QStringList keys;
    for (const Entry& entry : mEntries)
        keys << entry.key;
    return keys;
}

std::int32_t PropertyStore::ReadInt(const QString& key, std::int32_t defaultValue) const
{
    const Value* value = Find(key);
    if (!value)
        return defaultValue;
    if (const auto* integer = std::get_if<Integer>(value))
        return integer->value;
    if (const auto* flag = std::get_if<bool>(value))
        return *flag ? -1 : 0;
    const QString* text = std::get_if<QString>(value);
    if (const auto* raw = std::get_if<Raw>(value))
        text = &raw->text;
    if (text) {
        if (const std::optional<std::int32_t> parsed = ParseInteger(*text))
            return *parsed;
    }
    throw ConversionError(QStringLiteral("\"%1\" is not a 32-bit integer").arg(key));
}

std::int16_t PropertyStore::ReadInt16(const QString& key, std::int16_t defaultValue) const
{
    const std::int32_t value = ReadInt(key, defaultValue);
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max())
        throw ConversionError(QStringLiteral("\"%1\" is not a 16-bit integer").arg(key));
    return static_cast<std::int16_t>(value);
}

bool PropertyStore::ReadBool(const QString& key, bool defaultValue) const
{
    const Value* value = Find(key);
    if (!value)
        return defaultValue;
    if (const auto* flag = std::get_if<bool>(value))
        return *flag;
    if (const auto* raw = std::get_if<Raw>(value)) {
        if (raw->text.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (raw->text.compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    try {
        // Any non-zero number is true, as -1 is.
        return ReadInt(key, 0) != 0;
    } catch (const ConversionError&) {
        throw ConversionError(QStringLiteral("\"%1\" is not a Boolean").arg(key));
    }
}

QString PropertyStore::ReadText(const QString& key, const QString& defaultValue) const
{
    const Value* value = Find(key);
    if (!value)
        return defaultValue;
    if (const auto* text = std::get_if<QString>(value))
        return *text;
    if (const auto* raw = std::get_if<Raw>(value))
        return raw->text;
    if (const auto* integer = std::get_if<Integer>(value))
        return QString::number(integer->value);
    if (const auto* flag = std::get_if<bool>(value))
        return *flag ? QStringLiteral("-1") : QStringLiteral("0");
    if (const auto* font = std::get_if<QFont>(value))
        return font->toString();
    throw ConversionError(QStringLiteral("\"%1\" is a picture, not a text").arg(key));
}

QFont PropertyStore::ReadFont(const QString& key, const QFont& defaultValue) const
{
    const Value* value = Find(key);
    if (!value)
        return defaultValue;
    if (const auto* font = std::get_if<QFont>(value))
        return *font;
    const QString* text = std::get_if<QString>(value);
    if (const auto* raw = std::get_if<Raw>(value))
        text = &raw->text;
    QFont font;
    if (text && !text->trimmed().isEmpty() && font.fromString(*text))
        return font;
    throw ConversionError(QStringLiteral("\"%1\" is not a font description").arg(key));
}

PropertyStore::PicturePtr PropertyStore::ReadPicture(const QString& key,
                                                     PicturePtr defaultValue) const
{
    const Value* value = Find(key);
    if (!value)
        return defaultValue;
    if (const auto* picture = std::get_if<PicturePtr>(value))
        return *picture;
    const QString* text = std::get_if<QString>(value);
    if (const auto* raw = std::get_if<Raw>(value))
        text = &raw->text;
    if (text) {
        if (text->isEmpty())
            return nullptr;
        if (text->startsWith(kPngPrefix)) {
            const QImage image = QImage::fromData(
                QByteArray::fromBase64(text->mid(kPngPrefix.size()).toLatin1()), "PNG");
            if (!image.isNull())
                return Picture::FromImage(image);
        } else if (PicturePtr picture = LoadPicture(*text)) {
            return picture;
        }
    }
    throw ConversionError(QStringLiteral("\"%1\" names no readable picture").arg(key));
}

PropertyStore::PicturePtr PropertyStore::LoadPicture(const QString& name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray bytes = file.readAll();
    QImage image = QImage::fromData(bytes);
    if (image.isNull())
        return nullptr;
    if (name.endsWith(QStringLiteral(".xpm"), Qt::CaseInsensitive)) {
        // Qt's reader drops the header's hot spot, which a cursor picture needs.
        if (const std::optional<QPoint> hotSpot = XpmHeaderHotSpot(bytes, image.size()))
            image = WithHotSpot(image, *hotSpot);
    }
    image.setText(kNameKey, name);
    return Picture::FromImage(image);
}

QString PropertyStore::PictureName(const Picture& picture)
{
    return picture.Image().text(kNameKey);
}

std::optional<QPoint> PropertyStore::PictureHotSpot(const Picture& picture)
{
    bool okX = false;
    bool okY = false;
    const int x = picture.Image().text(kHotSpotXKey).toInt(&okX);
    const int y = picture.Image().text(kHotSpotYKey).toInt(&okY);
    if (!okX || !okY)
        return std::nullopt;
    return QPoint(x, y);
}

QImage PropertyStore::WithHotSpot(QImage image, QPoint hotSpot)
{
    image.setText(kHotSpotXKey, QString::number(hotSpot.x()));
    image.setText(kHotSpotYKey, QString::number(hotSpot.y()));
    return image;
}

void PropertyStore::Write(const QString& key, Value value)
{
    for (Entry& entry : mEntries) {
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0) {
            entry.value = std::move(value);
            return;
        }
    }
    mEntries.push_back(Entry{key, std::move(value)});
}

const PropertyStore::Value* PropertyStore::Find(const QString& key) const
{
    for (const Entry& entry : mEntries) {
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return &entry.value;
    }
    return nullptr;
}

} // namespace quorvel::platform
