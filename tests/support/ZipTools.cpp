#include "support/ZipTools.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace korbelant::test {

namespace {

const char* const kMake = R"(
import base64, json, sys, zipfile
wanted = json.load(sys.stdin)
with zipfile.ZipFile(wanted['path'], 'w', zipfile.ZIP_DEFLATED) as z:
    for e in wanted['entries']:
        info = zipfile.ZipInfo(e['name'])
        info.compress_type = zipfile.ZIP_DEFLATED
        if e['symlink']:
            info.create_system = 3
            info.external_attr = 0o120777 << 16
        z.writestr(info, base64.b64decode(e['bytes']))
)";

const char* const kList = R"(
import json, sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    infos = z.infolist()
    print(json.dumps({'names': [i.filename for i in infos], 'compression': [i.compress_type for i in infos],
                      'intact': z.testzip() is None}))
)";

const char* const kRead = R"(
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as z:
    sys.stdout.buffer.write(z.read(sys.argv[2]))
)";

QByteArray run(const QString& program, const QStringList& args, const QByteArray& input = {})
{
    QProcess process;
    process.start(program, args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput();
}

QByteArray python(const char* script, const QStringList& args, const QByteArray& input = {})
{
    return run(QStringLiteral("python3"),
               QStringList{QStringLiteral("-c"), QString::fromLatin1(script)} + args, input);
}

} // namespace

void makeZip(const QString& path, const std::vector<ZipEntry>& entries)
{
    QJsonArray list;
    for (const ZipEntry& e : entries)
        list.append(QJsonObject{{QStringLiteral("name"), e.name},
                                {QStringLiteral("bytes"), QString::fromLatin1(e.bytes.toBase64())},
                                {QStringLiteral("symlink"), e.symlink}});
    const QJsonObject wanted{{QStringLiteral("path"), path}, {QStringLiteral("entries"), list}};
    python(kMake, {}, QJsonDocument(wanted).toJson());
}

ZipListing listZip(const QString& path)
{
    const QJsonObject listed = QJsonDocument::fromJson(python(kList, {path})).object();
    ZipListing listing;
    for (const QJsonValue& name : listed.value(QStringLiteral("names")).toArray())
        listing.names << name.toString();
    for (const QJsonValue& method : listed.value(QStringLiteral("compression")).toArray())
        listing.compression.push_back(method.toInt());
    listing.intact = listed.value(QStringLiteral("intact")).toBool();
    return listing;
}

QByteArray zipEntryByPython(const QString& path, const QString& name)
{
    return python(kRead, {path, name});
}

QByteArray zipEntryByUnzip(const QString& path, const QString& name)
{
    return run(QStringLiteral("unzip"), {QStringLiteral("-p"), path, name});
}

} // namespace korbelant::test
