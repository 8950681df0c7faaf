#include "catalogue/row_text.h"

#include "catalogue/number_format.h"

namespace quorvel::catalogue {

namespace {

constexpr char kRule = '\xA1';

char DoubleBarMarker(std::int16_t count)
{
    return count > 1 ? 'd' : ' ';
}

} // namespace

std::string RowText(const MeshRecord& record)
{
    std::string row;
    row.reserve(80);
    row.push_back(' ');
    row.append(record.GridType.data(), record.GridType.size());
    row.push_back(kRule);
    AppendFixed(row, record.GridLength, 6, 2);
    row.push_back(kRule);
    AppendFixed(row, record.GridWidth, 6, 2);
    row.push_back(kRule);
    AppendFixed(row, record.LenSpace, 5, 0);
    row.push_back(kRule);
    AppendFixed(row, record.WidSpace, 5, 0);
    row.push_back(kRule);
    AppendFixed(row, record.LenDia, 4, 1);
    row.push_back(DoubleBarMarker(record.LenCount));
    row.push_back(kRule);
    AppendFixed(row, record.WidDia, 4, 1);
    row.push_back(DoubleBarMarker(record.WidCount));
    row.push_back(kRule);
    AppendFixed(row, record.LenArea, 5, 2);
    row.push_back(kRule);
    AppendFixed(row, record.WidArea, 5, 2);
    row += "\xA1    ";
    AppendFixed(row, record.UnitWeight, 5, 2);
    row += "    \xA1";
    return row;
}

std::string_view HeaderLine1()
{
    return "\xA1Reinf Grid \xA1  Len \xA1 Wid. \xA1   Space   \xA1    Dia.   \xA1Sectionarea\xA1"
           " Unit weight\xA1";
}

std::string_view HeaderLine2()
{
    return "\xA1    type   \xA1   m  \xA1   m  \xA1 Len \xA1 Wid.\xA1 Len \xA1 Wid.\xA1 Len \xA1 "
           "Wid.\xA1"
           "     kg/m\xB2   \xA1";
}

} // namespace quorvel::catalogue
