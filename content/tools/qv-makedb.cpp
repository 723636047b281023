// Builds the program's database from SQL scripts:
//   qv-makedb [--keep-changed <hash file>] <database> <script.sql>...
// With --keep-changed, a database that was changed since the last build (users added, words
// edited by a teacher) is kept instead of being replaced by the demo content.
#include "sqlscript.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result().toHex();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    QString hashFile;
    if (args.size() >= 2 && args.first() == QLatin1String("--keep-changed")) {
        hashFile = args.at(1);
        args = args.mid(2);
    }
    if (args.size() < 2) {
        err << "usage: qv-makedb [--keep-changed <hash file>] <database> <script.sql>...\n";
        return 2;
    }
    const QString path = args.first();

    if (!hashFile.isEmpty() && QFileInfo::exists(path)) {
        const QByteArray built = readAll(hashFile);
        if (built.isEmpty() || fileHash(path) != built) {
            err << "qv-makedb: " << path
                << " has changes of its own since it was built; kept. Delete it to rebuild the"
                   " demo database.\n";
            return 0;
        }
    }

    QDir().mkpath(QFileInfo(path).absolutePath());
    // Built beside the target and moved over it, so a failure never leaves half a database.
    const QString partial = path + QStringLiteral(".part");
    QFile::remove(partial);
    QString error;
    if (!SqlScript::createDatabase(partial, args.mid(1), &error)) {
        QFile::remove(partial);
        err << "qv-makedb: " << error << "\n";
        return 1;
    }
    QFile::remove(path);
    if (!QFile::rename(partial, path)) {
        err << "qv-makedb: cannot write " << path << "\n";
        return 1;
    }
    if (!hashFile.isEmpty()) {
        QFile out(hashFile);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || out.write(fileHash(path) + '\n') < 0) {
            err << "qv-makedb: cannot write " << hashFile << "\n";
            return 1;
        }
    }
    return 0;
}
