#include "attemptstore.h"

#include "activities/activitycodes.h"
#include "activities/itemresult.h"
#include "sql.h"

#include <QSqlDatabase>

namespace {

QVariant isoTime(const QDateTime &time)
{
    if (!time.isValid())
        return QVariant(QMetaType(QMetaType::QString));
    return time.toLocalTime().toString(Qt::ISODate);
}

} // namespace

bool AttemptStore::record(int userId, const ItemResult &result)
{
    const bool question = ActivityCode::isQuestion(result.activity);
    if (userId <= 0 || result.wordId <= 0
        || !(question || ActivityCode::isPresentation(result.activity)))
        return false;
    const QVariant none(QMetaType(QMetaType::Int));
    return Sql::write(
        "INSERT INTO attempt (id_user, id_word, id_letter, activity, started_at, finished_at, "
        "wrong_answers, revealed, media) VALUES (:id_user, :id_word, :id_letter, :activity, "
        ":started_at, :finished_at, :wrong_answers, :revealed, :media)",
        {{":id_user", userId},
         {":id_word", result.wordId},
         {":id_letter", result.letterId},
         {":activity", result.activity},
         {":started_at", isoTime(result.startedAt)},
         {":finished_at",
          isoTime(result.finishedAt.isValid() ? result.finishedAt : QDateTime::currentDateTime())},
         {":wrong_answers", question ? QVariant(result.wrongAnswers) : none},
         {":revealed", question ? QVariant(result.revealed ? 1 : 0) : none},
         {":media", Sql::text(result.media.join(','))}});
}

bool AttemptStore::deleteForUser(int userId)
{
    QSqlDatabase db = QSqlDatabase::database();
    if (!db.transaction())
        return false;
    if (Sql::write("DELETE FROM attempt WHERE id_user = :id_user", {{":id_user", userId}})
        && Sql::write("DELETE FROM review_box WHERE id_user = :id_user", {{":id_user", userId}})
        && db.commit())
        return true;
    db.rollback();
    return false;
}

bool AttemptStore::isAvailable()
{
    return Sql::hasTable(QStringLiteral("attempt"));
}
