#include "ChequeFileWire.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonArray RectJson(const QRectF &rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QRectF RectOf(const QJsonValue &value)
{
    const QJsonArray a = value.toArray();
    return {a.at(0).toDouble(), a.at(1).toDouble(), a.at(2).toDouble(), a.at(3).toDouble()};
}

QJsonObject WordJson(const ChequeFileWord &word)
{
    QJsonArray characters;
    for (const QRectF &character : word.characters)
        characters.append(RectJson(character));
    QJsonObject json{{QStringLiteral("text"), word.text},
                     {QStringLiteral("font"), word.font},
                     {QStringLiteral("points"), word.points},
                     {QStringLiteral("box"), RectJson(word.box)},
                     {QStringLiteral("characters"), characters}};
    if (word.inkBottom)
        json.insert(QStringLiteral("ink_bottom"), *word.inkBottom);
    return json;
}

ChequeFileWord WordOf(const QJsonObject &json)
{
    ChequeFileWord word;
    word.text = json.value(QStringLiteral("text")).toString();
    word.font = json.value(QStringLiteral("font")).toString();
    word.points = json.value(QStringLiteral("points")).toDouble();
    word.box = RectOf(json.value(QStringLiteral("box")));
    for (const QJsonValue character : json.value(QStringLiteral("characters")).toArray())
        word.characters.push_back(RectOf(character));
    if (json.contains(QStringLiteral("ink_bottom")))
        word.inkBottom = json.value(QStringLiteral("ink_bottom")).toDouble();
    return word;
}

QJsonObject PageJson(const ChequeFilePage &page)
{
    QJsonArray words, drawings;
    for (const ChequeFileWord &word : page.words)
        words.append(WordJson(word));
    for (const QRectF &drawing : page.drawings)
        drawings.append(RectJson(drawing));
    return {{QStringLiteral("page_inches"), QJsonArray{page.pageInches.width(), page.pageInches.height()}},
            {QStringLiteral("words"), words},
            {QStringLiteral("drawings"), drawings},
            {QStringLiteral("fonts"), QJsonArray::fromStringList(page.fonts)},
            {QStringLiteral("fonts_without_text"), QJsonArray::fromStringList(page.fontsWithoutText)},
            {QStringLiteral("page_number"), page.pageNumber},
            {QStringLiteral("page_count"), page.pageCount}};
}

ChequeFilePage PageOf(const QJsonObject &json)
{
    ChequeFilePage page;
    const QJsonArray size = json.value(QStringLiteral("page_inches")).toArray();
    page.pageInches = QSizeF(size.at(0).toDouble(), size.at(1).toDouble());
    for (const QJsonValue word : json.value(QStringLiteral("words")).toArray())
        page.words.push_back(WordOf(word.toObject()));
    for (const QJsonValue drawing : json.value(QStringLiteral("drawings")).toArray())
        page.drawings.push_back(RectOf(drawing));
    for (const QJsonValue font : json.value(QStringLiteral("fonts")).toArray())
        page.fonts << font.toString();
    for (const QJsonValue font : json.value(QStringLiteral("fonts_without_text")).toArray())
        page.fontsWithoutText << font.toString();
    page.pageNumber = json.value(QStringLiteral("page_number")).toInt(1);
    page.pageCount = json.value(QStringLiteral("page_count")).toInt(1);
    return page;
}

QJsonObject ProblemJson(const ChequeFileProblem &problem)
{
    return {{QStringLiteral("kind"), int(problem.kind)},
            {QStringLiteral("path"), problem.path},
            {QStringLiteral("detail"), problem.detail},
            {QStringLiteral("seconds"), problem.seconds},
            {QStringLiteral("pages"), problem.pages},
            {QStringLiteral("page"), problem.page},
            {QStringLiteral("megabytes"), problem.megabytes}};
}

ChequeFileProblem ProblemOf(const QJsonObject &json)
{
    ChequeFileProblem problem;
    problem.kind = ChequeFileProblem::Kind(json.value(QStringLiteral("kind")).toInt());
    problem.path = json.value(QStringLiteral("path")).toString();
    problem.detail = json.value(QStringLiteral("detail")).toString();
    problem.seconds = json.value(QStringLiteral("seconds")).toInt();
    problem.pages = json.value(QStringLiteral("pages")).toInt();
    problem.page = json.value(QStringLiteral("page")).toInt();
    problem.megabytes = json.value(QStringLiteral("megabytes")).toInt();
    return problem;
}

} // namespace

QByteArray ChequeFileReadingToWire(const ChequeFileReading &reading)
{
    const QJsonObject json = reading.page ? QJsonObject{{QStringLiteral("page"), PageJson(*reading.page)}}
                                          : QJsonObject{{QStringLiteral("problem"), ProblemJson(reading.problem)}};
    return QJsonDocument(json).toJson(QJsonDocument::Compact);
}

std::optional<ChequeFileReading> ChequeFileReadingFromWire(const QByteArray &wire)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(wire, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject json = document.object();
    ChequeFileReading reading;
    if (json.value(QStringLiteral("page")).isObject())
        reading.page = PageOf(json.value(QStringLiteral("page")).toObject());
    else if (json.value(QStringLiteral("problem")).isObject())
        reading.problem = ProblemOf(json.value(QStringLiteral("problem")).toObject());
    else
        return std::nullopt;
    return reading;
}
