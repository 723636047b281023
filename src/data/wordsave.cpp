#include "wordsave.h"

#include "letter.h"
#include "sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSet>
#include <cstdio>
#include <memory>

namespace WordSave {

std::function<void(const char *step)> stepHook;

namespace {

const QString intentPrefix = QStringLiteral(".qv-intent-");
const QString markerKey = QStringLiteral("qv-save");
const char *const mediumKeys[3] = {"image", "sign", "lips"};

void step(const char *name)
{
    if (stepHook)
        stepHook(name);
}

struct Staged
{
    QString staging;
    QString final;
};

struct Intent
{
    int token = 0;
    QString letterDir;
    QString oldFolder; // empty for a new word
    QString newFolder;
    QString stagingFolder; // where the copies wait before the commit
    bool createdFolder = false;
    QList<Staged> staged;
    QStringList obsolete; // old media the new record no longer names

    QString path() const { return letterDir + "/" + intentPrefix + QString::number(token); }
};

QString lockPathOf(const QString &intentPath)
{
    return intentPath + ".lock";
}

bool writeIntent(const Intent &intent)
{
    QJsonArray staged;
    for (const Staged &entry : intent.staged)
        staged.append(QJsonObject {{"staging", entry.staging}, {"final", entry.final}});
    const QJsonObject object {{"token", intent.token},
                              {"oldFolder", intent.oldFolder},
                              {"newFolder", intent.newFolder},
                              {"stagingFolder", intent.stagingFolder},
                              {"createdFolder", intent.createdFolder},
                              {"staged", staged},
                              {"obsolete", QJsonArray::fromStringList(intent.obsolete)}};
    QSaveFile file(intent.path());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(object).toJson());
    return file.commit();
}

// Names inside an intent are plain names of one folder level; anything else is ignored.
bool isPlain(const QString &name)
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/');
}

bool readIntent(const QString &letterDir, const QString &fileName, Intent &intent)
{
    QFile file(letterDir + "/" + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    intent.token = object.value("token").toInt();
    intent.letterDir = letterDir;
    intent.oldFolder = object.value("oldFolder").toString();
    intent.newFolder = object.value("newFolder").toString();
    intent.stagingFolder = object.value("stagingFolder").toString();
    intent.createdFolder = object.value("createdFolder").toBool();
    for (const QJsonValue &value : object.value("staged").toArray()) {
        const Staged entry {value["staging"].toString(), value["final"].toString()};
        if (isPlain(entry.staging) && isPlain(entry.final))
            intent.staged.append(entry);
    }
    for (const QJsonValue &value : object.value("obsolete").toArray()) {
        if (isPlain(value.toString()))
            intent.obsolete << value.toString();
    }
    return intent.token != 0 && isPlain(intent.newFolder) && isPlain(intent.stagingFolder)
        && (intent.oldFolder.isEmpty() || isPlain(intent.oldFolder))
        && intent.path() == letterDir + "/" + fileName;
}

bool markerExists(int token, bool *known)
{
    QSqlQuery query;
    *known = Sql::exec(query,
                       "SELECT 1 FROM config WHERE key = :key AND data = :data AND id_user = -1",
                       {{":key", markerKey}, {":data", token}});
    return *known && Sql::first(query);
}

bool removeMarker(int token)
{
    return Sql::write("DELETE FROM config WHERE key = :key AND data = :data AND id_user = -1",
                      {{":key", markerKey}, {":data", token}});
}

bool exists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Every step can run again after a crash: each looks at what is already done.
void rollForward(const Intent &intent)
{
    // Held while files move, so that a backup taken by another copy of the program (which
    // holds the same lock) never sees them half-way.
    Sql::Transaction lock;
    const QString oldDir = intent.letterDir + "/" + intent.oldFolder;
    const QString newDir = intent.letterDir + "/" + intent.newFolder;
    if (!intent.oldFolder.isEmpty() && intent.oldFolder != intent.newFolder && exists(oldDir)
        && !exists(newDir))
        QDir(intent.letterDir).rename(intent.oldFolder, intent.newFolder);
    step("renamed");
    for (const Staged &entry : intent.staged) {
        const QString staging = newDir + "/" + entry.staging;
        // rename() replaces the old file of the same name in one step.
        if (QFileInfo::exists(staging))
            std::rename(QFile::encodeName(staging).constData(),
                        QFile::encodeName(newDir + "/" + entry.final).constData());
        step("moved");
    }
    for (const QString &name : intent.obsolete) {
        if (QFileInfo(newDir + "/" + name).isFile())
            QFile::remove(newDir + "/" + name);
    }
    step("deleted");
    removeMarker(intent.token);
    lock.commit();
}

void rollBack(const Intent &intent)
{
    const QString dir = intent.letterDir + "/" + intent.stagingFolder;
    for (const Staged &entry : intent.staged)
        QFile::remove(dir + "/" + entry.staging);
    if (intent.createdFolder)
        QDir(intent.letterDir).rmdir(intent.stagingFolder);
}

void finish(const Intent &intent)
{
    QFile::remove(intent.path());
    step("done");
}

QString extensionOf(const QString &name, QString *base)
{
    const int dot = name.lastIndexOf('.');
    if (dot <= 0) {
        *base = name;
        return QString();
    }
    *base = name.left(dot);
    return name.mid(dot);
}

} // namespace

QString finalName(const QString &chosenName, const QStringList &taken)
{
    QString name = chosenName;
    while (name.startsWith('.'))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QStringLiteral("archivo");
    if (!taken.contains(name))
        return name;
    QString base;
    const QString extension = extensionOf(name, &base);
    for (int n = 2;; ++n) {
        const QString candidate = base + "-" + QString::number(n) + extension;
        if (!taken.contains(candidate))
            return candidate;
    }
}

Outcome save(const Request &request)
{
    Outcome outcome;
    const bool isNew = request.before == nullptr;
    if (!request.letter) {
        outcome.result = Result::MissingLetterFolder;
        return outcome;
    }
    const QString letterDir = request.letter->mediaPath().chopped(1);
    if (!QFileInfo(letterDir).isDir()) {
        outcome.result = Result::MissingLetterFolder;
        outcome.detail = request.letter->name;
        return outcome;
    }
    recoverLetter(letterDir);

    const QString oldFolder = isNew ? QString() : request.before->fullName;
    const bool renaming = isNew || oldFolder != request.fullName;
    Word::Word other;
    const bool recordTaken = other.findByFullName(request.fullName, request.letter)
        && (isNew || other.id != request.before->id);
    if (recordTaken || (renaming && exists(letterDir + "/" + request.fullName))) {
        outcome.result = Result::DuplicateFullName;
        outcome.detail = request.fullName;
        return outcome;
    }

    Intent intent;
    intent.token = 1 + int(QRandomGenerator::global()->bounded(0x7ffffffe));
    intent.letterDir = letterDir;
    intent.oldFolder = oldFolder;
    intent.newFolder = request.fullName;
    const bool oldExists = !isNew && QFileInfo(letterDir + "/" + oldFolder).isDir();
    intent.stagingFolder = oldExists ? oldFolder : request.fullName;
    intent.createdFolder = !oldExists;
    const QString stagingDir = letterDir + "/" + intent.stagingFolder;

    Word::Word word = isNew ? Word::Word() : *request.before;
    word.letter = request.letter;
    word.name = request.name;
    word.fullName = request.fullName;
    QString Word::Word::*const fields[3]
        = {&Word::Word::image, &Word::Word::sign, &Word::Word::lips};
    QStringList taken = oldExists
        ? QDir(stagingDir).entryList(QDir::Files | QDir::Hidden | QDir::System)
        : QStringList();
    QStringList oldNames;
    for (int i = 0; i < 3; ++i) {
        if (!isNew)
            oldNames << request.before->*fields[i];
    }
    for (int i = 0; i < 3; ++i) {
        if (request.sources[i].isEmpty())
            continue;
        const QString chosen = QFileInfo(request.sources[i]).fileName();
        // The medium's own old file may be replaced by one of the same name; any other name
        // that is there or chosen already gets a new one.
        QStringList others = taken;
        if (!isNew)
            others.removeAll(request.before->*fields[i]);
        const QString name = finalName(chosen, others);
        taken << name;
        word.*fields[i] = name;
        intent.staged.append(
            {".qv-stage-" + QString::number(intent.token) + "-" + mediumKeys[i], name});
    }
    const QSet<QString> newNames = {word.image, word.sign, word.lips};
    for (const QString &name : oldNames) {
        if (isPlain(name) && !newNames.contains(name) && !intent.obsolete.contains(name))
            intent.obsolete << name;
    }

    QLockFile lock(lockPathOf(intent.path()));
    lock.setStaleLockTime(0);
    lock.tryLock(0);
    if (!writeIntent(intent)) {
        outcome.result = Result::FolderFailed;
        outcome.detail = request.fullName;
        return outcome;
    }
    step("intent");
    auto undo = [&](Result result, const QString &detail) {
        rollBack(intent);
        finish(intent);
        outcome.result = result;
        outcome.detail = detail;
        return outcome;
    };
    if (intent.createdFolder && !QDir(letterDir).mkdir(intent.stagingFolder))
        return undo(Result::FolderFailed, request.fullName);
    step("folder");
    int stagedIndex = 0;
    for (int i = 0; i < 3; ++i) {
        if (request.sources[i].isEmpty())
            continue;
        const QString staging = stagingDir + "/" + intent.staged.at(stagedIndex++).staging;
        QFile::remove(staging);
        if (!QFile::copy(request.sources[i], staging))
            return undo(Result::CopyFailed, request.sources[i]);
        step("copied");
    }

    {
        Sql::Transaction transaction;
        bool ok = transaction.isActive();
        // Checked again under the write lock: another copy may have added it meanwhile.
        Word::Word again;
        if (ok && again.findByFullName(request.fullName, request.letter)
            && (isNew || again.id != request.before->id)) {
            transaction.rollback();
            return undo(Result::DuplicateFullName, request.fullName);
        }
        ok = ok && (isNew ? word.save() : word.update());
        ok = ok && (!request.writeLinks || request.writeLinks(word));
        ok = ok
            && Sql::write("INSERT INTO config (key, data, id_user, id_language) "
                          "VALUES (:key, :data, -1, 0)",
                          {{":key", markerKey}, {":data", intent.token}});
        ok = ok && transaction.commit();
        if (!ok)
            return undo(Result::RecordFailed, request.fullName);
    }
    step("committed");
    rollForward(intent);
    finish(intent);
    outcome.result = Result::Saved;
    outcome.word = word;
    return outcome;
}

void recoverLetter(const QString &letterDir)
{
    QDir dir(letterDir);
    const QStringList intents
        = dir.entryList({intentPrefix + "*"}, QDir::Files | QDir::Hidden | QDir::System);
    bool running = false;
    for (const QString &fileName : intents) {
        if (fileName.endsWith(".lock"))
            continue;
        // A save that is still going on in another copy of the program holds its lock.
        QLockFile lock(lockPathOf(letterDir + "/" + fileName));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0)) {
            running = true;
            continue;
        }
        Intent intent;
        if (!readIntent(letterDir, fileName, intent)) {
            QFile::remove(letterDir + "/" + fileName);
            continue;
        }
        bool known = false;
        const bool committed = markerExists(intent.token, &known);
        if (!known) {
            // Without the database nothing tells which way to go; try again next time.
            running = true;
            continue;
        }
        if (committed)
            rollForward(intent);
        else
            rollBack(intent);
        finish(intent);
    }
    if (running)
        return;
    // Copies no intent speaks of any more, from a crash before the intent existed or from an
    // older version, are never finished: they go.
    for (const QString &lockName :
         dir.entryList({intentPrefix + "*.lock"}, QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(letterDir + "/" + lockName);
    for (const QFileInfo &folder :
         dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (folder.isSymLink())
            continue;
        QDir wordDir(folder.filePath());
        for (const QString &name :
             wordDir.entryList({".qv-*"}, QDir::Files | QDir::Hidden | QDir::System))
            wordDir.remove(name);
    }
}

void recoverAll(const QString &lettersRoot)
{
    QDir root(lettersRoot);
    for (const QFileInfo &letter : root.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!letter.isSymLink())
            recoverLetter(letter.filePath());
    }
}

} // namespace WordSave
