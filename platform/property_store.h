#pragma once

#include "platform/picture.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <variant>
#include <vector>

namespace quorvel::platform {

// The saved settings of one control instance: values by key, keys matched without regard to
// letter case, and a default for every absent key. Entries keep the order in which they were
// first written or read from text.
//
// Text form, one entry a line:
//
//     # a comment; blank lines are ignored too
//     key = value
//
// A value is an integer (decimal, or hexadecimal after "0x" or "&H", read as 32 unsigned bits
// so colours such as 0x8000000F keep their top bit), or a text in double quotes with the
// escapes \" \\ \n \t. An unquoted value that is no integer is taken as text, trimmed. Typed
// reads decide what a text means: a font is its description string (QFont::toString), a
// picture is the name of an image resource or file (":/quorvel/save.xpm"), or "png:" followed
// by the base64 of a PNG for a picture that has no name. Booleans are -1 for true and 0 for
// false; "true" and "false" are read too. A key written twice keeps its first place and its
// last value.
class PropertyStore
{
public:
    using PicturePtr = std::shared_ptr<const Picture>;

    // A stored value that cannot be read as the type asked for.
    class ConversionError : public std::runtime_error
    {
    public:
        explicit ConversionError(const QString& message);
    };

    // A line of the text form that is not "key = value".
    class ParseError : public std::runtime_error
    {
    public:
        ParseError(int line, const QString& message);
        int Line() const { return mLine; }

    private:
        int mLine;
    };

    static PropertyStore FromText(const QString& text);
    QString ToText() const;

    void WriteInt(const QString& key, std::int32_t value);
    // Written in hexadecimal so the text form shows the colour's bytes.
    void WriteColour(const QString& key, std::int32_t value);
    void WriteBool(const QString& key, bool value);
    void WriteText(const QString& key, const QString& value);
    void WriteFont(const QString& key, const QFont& value);
    // An empty picture is not kept: writing one removes the key.
    void WritePicture(const QString& key, PicturePtr value);

    bool Contains(const QString& key) const;
    QStringList Keys() const;

    // Each returns the default when the key is absent and throws ConversionError when the
    // stored value is not of the type.
    std::int32_t ReadInt(const QString& key, std::int32_t defaultValue) const;
    std::int16_t ReadInt16(const QString& key, std::int16_t defaultValue) const;
    bool ReadBool(const QString& key, bool defaultValue) const;
    QString ReadText(const QString& key, const QString& defaultValue) const;
    QFont ReadFont(const QString& key, const QFont& defaultValue) const;
    PicturePtr ReadPicture(const QString& key, PicturePtr defaultValue = nullptr) const;

    // A picture from an image resource or file, which remembers its name (and an XPM's hot
    // spot) for the text form; none when the image cannot be read.
    static PicturePtr LoadPicture(const QString& name);
    // The name a picture was loaded under; empty for one made in memory.
    static QString PictureName(const Picture& picture);
    // The hot spot of a cursor picture, when its image carries one.
    static std::optional<QPoint> PictureHotSpot(const Picture& picture);
    // A copy of the image that carries the hot spot, for pictures made from cursors.
    static QImage WithHotSpot(QImage image, QPoint hotSpot);

private:
    struct Integer
    {
        std::int32_t value;
        bool hex;
    };
    // Text as it came from the text form; typed reads interpret it.
    struct Raw
    {
        QString text;
        bool quoted;
    };
    using Value = std::variant<Integer, bool, QString, QFont, PicturePtr, Raw>;
    struct Entry
    {
        QString key;
        Value value;
    };

    void Write(const QString& key, Value value);
    const Value* Find(const QString& key) const;

    std::vector<Entry> mEntries;
};

} // namespace quorvel::platform
