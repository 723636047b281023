#include "progressreport.h"

#include "sql.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

#include <algorithm>

namespace {

// A question item right at the first try, and one that needed help.
const QString rightFirst = QStringLiteral("(a.wrong_answers = 0 AND a.revealed = 0)");
const QString needsHelp = QStringLiteral("(a.wrong_answers > 0 OR a.revealed <> 0)");

QString tr(const char *text)
{
    return QCoreApplication::translate("ProgressReport", text);
}

QString escapeHtml(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

bool ProgressReport::load(int userId)
{
    words.clear();
    letters.clear();
    days.clear();
    supports.clear();

    QSqlQuery query;
    // Rows are read once, in order: no buffering of a long record.
    query.setForwardOnly(true);
    if (!Sql::exec(query,
                   "SELECT a.id_word, coalesce(w.name, ''), coalesce(l.name, ''), "
                   "count(a.wrong_answers), sum("
                       + rightFirst
                       + "), sum(coalesce(a.revealed, 0)), "
                         "sum(a.wrong_answers IS NULL), max(a.finished_at) "
                         "FROM attempt a LEFT JOIN word w ON w.id = a.id_word "
                         "LEFT JOIN letter l ON l.id = a.id_letter WHERE a.id_user = :id_user "
                         "GROUP BY a.id_word",
                   {{":id_user", userId}}))
        return false;
    while (query.next()) {
        WordRow row;
        row.wordId = query.value(0).toInt();
        row.word = query.value(1).toString();
        row.letter = query.value(2).toString();
        row.tries = query.value(3).toInt();
        row.firstRight = query.value(4).toInt();
        row.revealed = query.value(5).toInt();
        row.seen = query.value(6).toInt();
        row.lastSeen = query.value(7).toString().replace('T', ' ').left(16);
        words.append(row);
    }
    sortWords();

    // The letters, days and supports are summed from the words and a second pass over the
    // answered items; the record is read twice at most.
    if (!Sql::exec(query,
                   "SELECT substr(a.finished_at, 1, 10), count(*), sum(" + rightFirst
                       + "), sum(instr(',' || a.media || ',', ',sign,') > 0), sum(" + needsHelp
                       + " AND instr(',' || a.media || ',', ',sign,') > 0), "
                         "sum(instr(',' || a.media || ',', ',lips,') > 0), sum("
                       + needsHelp
                       + " AND instr(',' || a.media || ',', ',lips,') > 0), "
                         "sum(instr(',' || a.media || ',', ',hands,') > 0), sum("
                       + needsHelp
                       + " AND instr(',' || a.media || ',', ',hands,') > 0), "
                         "sum(instr(',' || a.media || ',', ',flus,') > 0), sum("
                       + needsHelp
                       + " AND instr(',' || a.media || ',', ',flus,') > 0) "
                         "FROM attempt a WHERE a.id_user = :id_user AND a.wrong_answers IS "
                         "NOT NULL GROUP BY 1 ORDER BY 1",
                   {{":id_user", userId}}))
        return false;
    const QStringList supportKeys = {"sign", "lips", "hands", "flus"};
    QVector<SupportRow> supportTotals(supportKeys.size());
    for (int i = 0; i < supportKeys.size(); ++i)
        supportTotals[i].support = supportKeys.at(i);
    while (query.next()) {
        DayRow day;
        day.day = QDate::fromString(query.value(0).toString(), Qt::ISODate);
        day.tries = query.value(1).toInt();
        day.firstRight = query.value(2).toInt();
        if (day.day.isValid())
            days.append(day);
        for (int i = 0; i < supportKeys.size(); ++i) {
            supportTotals[i].shown += query.value(3 + 2 * i).toInt();
            supportTotals[i].needed += query.value(4 + 2 * i).toInt();
        }
    }
    for (const SupportRow &row : supportTotals) {
        if (row.shown > 0)
            supports.append(row);
    }

    QHash<QString, int> letterIndex;
    for (const WordRow &row : words) {
        if (row.tries == 0 && row.seen == 0)
            continue;
        auto it = letterIndex.find(row.letter);
        if (it == letterIndex.end()) {
            it = letterIndex.insert(row.letter, letters.size());
            LetterRow letter;
            letter.letter = row.letter;
            letters.append(letter);
        }
        LetterRow &letter = letters[it.value()];
        ++letter.words;
        letter.tries += row.tries;
        letter.firstRight += row.firstRight;
        letter.revealed += row.revealed;
    }
    std::sort(letters.begin(), letters.end(),
              [](const LetterRow &a, const LetterRow &b) { return a.letter < b.letter; });
    return true;
}

QString ProgressReport::sortKey(const QString &text)
{
    QString key;
    key.reserve(text.size() + 2);
    for (const QChar c : text.toLower()) {
        if (c.unicode() < 0x80) {
            key += c;
        } else if (c == QChar(0x00F1)) {
            key += QLatin1String("n~"); // after every "n" followed by a letter
        } else {
            const QString base = QString(c).normalized(QString::NormalizationForm_D);
            key += base.at(0);
        }
    }
    return key;
}

void ProgressReport::sortWords()
{
    QVector<QPair<QString, int>> keys;
    keys.reserve(words.size());
    for (int i = 0; i < words.size(); ++i)
        keys.append({sortKey(words.at(i).word) + QChar(0) + words.at(i).word, i});
    std::sort(keys.begin(), keys.end());
    QVector<WordRow> sorted;
    sorted.reserve(words.size());
    for (const auto &key : keys)
        sorted.append(words.at(key.second));
    words.swap(sorted);
}

QString ProgressReport::csvField(const QString &text)
{
    if (!text.contains(';') && !text.contains('"') && !text.contains('\n') && !text.contains('\r'))
        return text;
    QString quoted = text;
    quoted.replace('"', QStringLiteral("\"\""));
    return '"' + quoted + '"';
}

QByteArray ProgressReport::toCsv(const QString &childName) const
{
    QStringList lines;
    lines << QStringList {tr("Alumno"),
                          tr("Palabra"),
                          tr("Letra"),
                          tr("Intentos"),
                          tr("Bien a la primera"),
                          tr("Reveladas"),
                          tr("Vista en presentaciones"),
                          tr("Última vez")}
                 .join(';');
    for (const WordRow &row : words) {
        lines << QStringList {csvField(childName),
                              csvField(row.word),
                              csvField(row.letter),
                              QString::number(row.tries),
                              QString::number(row.firstRight),
                              QString::number(row.revealed),
                              QString::number(row.seen),
                              row.lastSeen}
                     .join(';');
    }
    // The byte order mark makes LibreOffice and Excel read the file as UTF-8.
    return QByteArray("\xEF\xBB\xBF") + lines.join("\r\n").toUtf8() + "\r\n";
}

QString ProgressReport::supportName(const QString &support)
{
    if (support == QLatin1String("sign"))
        return tr("Video de señas");
    if (support == QLatin1String("lips"))
        return tr("Video de lectura labial");
    if (support == QLatin1String("hands"))
        return tr("Deletreo con las manos");
    if (support == QLatin1String("flus"))
        return tr("Imágenes Flus");
    return support;
}

QString ProgressReport::toHtml(const QString &childName) const
{
    auto cell = [](const QString &text) { return "<td>" + escapeHtml(text) + "</td>"; };
    auto number
        = [](int value) { return "<td align=\"right\">" + QString::number(value) + "</td>"; };
    auto percent = [](int part, int whole) {
        return "<td align=\"right\">" + QString::number(share(part, whole), 'f', 0) + " %</td>";
    };
    QString html = "<html><body><h1>" + escapeHtml(tr("Progreso de %1").arg(childName)) + "</h1><p>"
        + escapeHtml(tr("Informe del %1").arg(QDate::currentDate().toString("dd/MM/yyyy")))
        + "</p>";
    if (words.isEmpty())
        return html + "<p>" + escapeHtml(tr("Todavía no hay actividades registradas."))
            + "</p></body></html>";

    html += "<h2>" + escapeHtml(tr("Por letra"))
        + "</h2><table border=\"1\" cellspacing=\"0\" "
          "cellpadding=\"3\"><tr><th>"
        + escapeHtml(tr("Letra")) + "</th><th>" + escapeHtml(tr("Palabras")) + "</th><th>"
        + escapeHtml(tr("Intentos")) + "</th><th>" + escapeHtml(tr("Bien a la primera"))
        + "</th><th>" + escapeHtml(tr("Reveladas")) + "</th></tr>";
    for (const LetterRow &row : letters)
        html += "<tr>" + cell(row.letter) + number(row.words) + number(row.tries)
            + percent(row.firstRight, row.tries) + number(row.revealed) + "</tr>";
    html += "</table>";

    if (!supports.isEmpty()) {
        html += "<h2>" + escapeHtml(tr("Apoyos"))
            + "</h2><table border=\"1\" cellspacing=\"0\" "
              "cellpadding=\"3\"><tr><th>"
            + escapeHtml(tr("Apoyo")) + "</th><th>" + escapeHtml(tr("Mostrado")) + "</th><th>"
            + escapeHtml(tr("Con ayuda")) + "</th></tr>";
        for (const SupportRow &row : supports)
            html += "<tr>" + cell(supportName(row.support)) + number(row.shown)
                + percent(row.needed, row.shown) + "</tr>";
        html += "</table>";
    }

    html += "<h2>" + escapeHtml(tr("Por día"))
        + "</h2><table border=\"1\" cellspacing=\"0\" "
          "cellpadding=\"3\"><tr><th>"
        + escapeHtml(tr("Día")) + "</th><th>" + escapeHtml(tr("Intentos")) + "</th><th>"
        + escapeHtml(tr("Bien a la primera")) + "</th></tr>";
    for (const DayRow &row : days)
        html += "<tr>" + cell(row.day.toString("dd/MM/yyyy")) + number(row.tries)
            + percent(row.firstRight, row.tries) + "</tr>";
    html += "</table>";

    html += "<h2>" + escapeHtml(tr("Palabras"))
        + "</h2><table border=\"1\" cellspacing=\"0\" "
          "cellpadding=\"3\"><tr><th>"
        + escapeHtml(tr("Palabra")) + "</th><th>" + escapeHtml(tr("Letra")) + "</th><th>"
        + escapeHtml(tr("Intentos")) + "</th><th>" + escapeHtml(tr("Bien a la primera"))
        + "</th><th>" + escapeHtml(tr("Reveladas")) + "</th><th>" + escapeHtml(tr("Última vez"))
        + "</th></tr>";
    for (const WordRow &row : words)
        html += "<tr>" + cell(row.word) + cell(row.letter) + number(row.tries)
            + number(row.firstRight) + number(row.revealed) + cell(row.lastSeen) + "</tr>";
    return html + "</table></body></html>";
}
