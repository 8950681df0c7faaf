#include "catalogue/library_file.h"

#include "catalogue/library_format.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <cctype>

namespace quorvel::catalogue {

namespace {

bool ContainsIgnoringCase(std::string_view text, std::string_view part)
{
    if (part.size() > text.size()) {
        return false;
    }
    for (std::size_t start = 0; start + part.size() <= text.size(); ++start) {
        std::size_t i = 0;
        while (i < part.size() && std::toupper(static_cast<unsigned char>(text[start + i])) ==
                                      std::toupper(static_cast<unsigned char>(part[i]))) {
            ++i;
        }
        if (i == part.size()) {
            return true;
        }
    }
    return false;
}

QString LocalPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

std::string DataFolder(const std::string& programFolder)
{
    std::string_view folder = programFolder;
    while (folder.size() > 1 && folder.back() == '/') {
        folder.remove_suffix(1);
    }
    if (folder.empty()) {
        return ".";
    }
    if (ContainsIgnoringCase(folder, "/QELTAR")) {
        return "/MORV13";
    }
    return std::string(folder);
}

std::string LibraryPath(const std::string& dataFolder)
{
    if (!dataFolder.empty() && dataFolder.back() == '/') {
        return dataFolder + "ZAFIK.LIB";
    }
    return dataFolder + "/ZAFIK.LIB";
}

LoadResult LoadMeshLibrary(const std::string& dataFolder, MeshTable& table)
{
    LoadResult result;
    QFile file(LocalPath(LibraryPath(dataFolder)));
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString().toStdString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString().toStdString();
        return result;
    }
    const ParseResult parsed = ParseMeshLibrary(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), table);
    result.ok = true;
    result.recordsRead = parsed.recordsRead;
    result.recordsDropped = parsed.recordsDropped;
    return result;
}

SaveResult SaveMeshLibrary(const std::string& dataFolder, const MeshTable& table)
{
    SaveResult result;
    const std::string bytes = SerializeMeshLibrary(table);
    // QSaveFile writes a temporary file beside the library and renames it over the old one
    // only once everything is on disk, so a failed or killed save leaves the old file whole.
    QSaveFile file(LocalPath(LibraryPath(dataFolder)));
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString().toStdString();
        return result;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        result.error = file.errorString().toStdString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString().toStdString();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace quorvel::catalogue
