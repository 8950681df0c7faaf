// Mnemonic resolution, word wrapping and the measured rectangle of a text.
#include "platform/text_layout.h"

#include "platform/checked.h"

#include <algorithm>

namespace quorvel::platform {
namespace {

void AppendLine(std::vector<TextLine>& lines, const TextLine& source, qsizetype begin,
                qsizetype end)
{
    TextLine line;
    line.text = source.text.mid(begin, end - begin);
    for (qsizetype index : source.underlined) {
        if (index >= begin && index < end)
            line.underlined.push_back(index - begin);
    }
    lines.push_back(std::move(line));
}

// Greedy wrap of one paragraph (no line breaks inside), spans [begin, end) of `all`.
void WrapParagraph(const TextMeasurer& measurer, const QFont& font, const TextLine& all,
                   qsizetype begin, qsizetype end, std::int64_t maxWidth,
                   std::vector<TextLine>& lines)
{
    const QString& text = all.text;
    auto isSpace = [&](qsizetype i) { return text.at(i) == u' ' || text.at(i) == u'\t'; };
    auto wordEnd = [&](qsizetype i) {
        while (i < end && !isSpace(i))
            ++i;
        return i;
    };
    auto spacesEnd = [&](qsizetype i) {
        while (i < end && isSpace(i))
            ++i;
        return i;
    };

    if (begin == end) {
        lines.push_back({});
        return;
    }
    // The first line keeps its leading spaces; later lines start at a word.
    qsizetype lineStart = begin;
    qsizetype lineEnd = wordEnd(spacesEnd(begin));
    while (true) {
        const qsizetype gapEnd = spacesEnd(lineEnd);
        if (gapEnd == end) {
            // Trailing spaces of the paragraph stay on its last line.
            AppendLine(lines, all, lineStart, end);
            return;
        }
        const qsizetype nextEnd = wordEnd(gapEnd);
        const QString candidate = text.mid(lineStart, nextEnd - lineStart);
        if (measurer.Advance(font, candidate) <= maxWidth) {
            lineEnd = nextEnd;
            continue;
        }
        AppendLine(lines, all, lineStart, lineEnd);
        lineStart = gapEnd;
        lineEnd = nextEnd;
    }
}

} // namespace

TextLine ResolveMnemonics(const QString& text)
{
    TextLine line;
    line.text.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'&' || i + 1 == text.size()) {
            line.text.append(c);
            continue;
        }
        const QChar next = text.at(++i);
        if (next != u'&')
            line.underlined.push_back(line.text.size());
        line.text.append(next);
    }
    return line;
}

std::vector<TextLine> WrapText(const TextMeasurer& measurer, const QFont& font, const QString& text,
                               std::int64_t maxWidth)
{
    std::vector<TextLine> lines;
    if (text.isEmpty())
        return lines;
    const TextLine all = ResolveMnemonics(text);
    qsizetype begin = 0;
    for (qsizetype i = 0; i <= all.text.size(); ++i) {
        const bool atEnd = i == all.text.size();
        if (!atEnd && all.text.at(i) != u'\n' && all.text.at(i) != u'\r')
            continue;
        WrapParagraph(measurer, font, all, begin, i, maxWidth, lines);
        if (!atEnd && all.text.at(i) == u'\r' && i + 1 < all.text.size() &&
            all.text.at(i + 1) == u'\n')
            ++i;
        begin = i + 1;
    }
    return lines;
}

Rect MeasureText(const TextMeasurer& measurer, const QFont& font, const QString& text,
                 const Rect& box)
{
    const std::vector<TextLine> lines = WrapText(measurer, font, text, box.Width());
    std::int64_t widest = 0;
    for (const TextLine& line : lines)
        widest = std::max<std::int64_t>(widest, measurer.Advance(font, line.text));
    const std::int64_t height = static_cast<std::int64_t>(lines.size()) * measurer.LineHeight(font);
    Rect measured = box;
    measured.right = CheckedNarrow32(box.left + widest);
    measured.bottom = CheckedNarrow32(box.top + height);
    return measured;
}

} // namespace quorvel::platform
