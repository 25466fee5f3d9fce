#include "ui/help/HelpTopics.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocumentFragment>

// The topics are compiled into the program's library; its resources must be registered once.
static void RegisterHelpResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(HelpTopics);
        return true;
    }();
    (void)registered;
}

namespace {

QString ReadText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

// The content of the named meta tags of a page, split at blanks.
QStringList MetaValues(const QString& html, const QString& name)
{
    QStringList values;
    const QRegularExpression tag(QStringLiteral("<meta\\s+name=\"%1\"\\s+content=\"([^\"]*)\"\\s*/?>")
                                     .arg(QRegularExpression::escape(name)),
                                 QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch& match : tag.globalMatch(html))
        values += match.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return values;
}

QString Between(const QString& html, const QString& open, const QString& close)
{
    const QRegularExpression element(open + QStringLiteral("(.*)") + close,
                                     QRegularExpression::CaseInsensitiveOption |
                                         QRegularExpression::DotMatchesEverythingOption);
    return element.match(html).captured(1);
}

// HTML text as the reader sees it: character references such as "&#x27;" or "&amp;" become
// the characters they stand for, runs of white space one blank.
QString PlainText(const QString& html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

}  // namespace

THelpTopics::THelpTopics(const QString& folder) : FFolder(folder)
{
    RegisterHelpResources();
    const QDir dir(folder);
    for (const QString& topic : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        const QString html = ReadText(dir.filePath(topic));
        FTitles.insert(topic, PlainText(Between(html, QStringLiteral("<title>"), QStringLiteral("</title>"))));
        for (const QString& context : MetaValues(html, QStringLiteral("help-context"))) {
            bool ok = false;
            const int number = context.toInt(&ok);
            if (ok)
                FContexts.insert(number, topic);
        }
        for (const QString& keyword : MetaValues(html, QStringLiteral("help-keyword")))
            FKeywords.insert(keyword.toLower(), topic);
    }
}

QString THelpTopics::TopicOfContext(int context) const
{
    return FContexts.value(context);
}

QString THelpTopics::TopicOfKeyword(const QString& keyword) const
{
    return FKeywords.value(keyword.trimmed().toLower());
}

QString THelpTopics::Html(const QString& topic) const
{
    return Contains(topic) ? ReadText(QDir(FFolder).filePath(topic)) : QString();
}

QUrl THelpTopics::Url(const QString& topic) const
{
    const QString path = QDir(FFolder).filePath(topic);
    return path.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + path) : QUrl::fromLocalFile(path);
}

QString THelpTopics::PopupHtml(const QString& topic) const
{
    QString body = Between(Html(topic), QStringLiteral("<body>"), QStringLiteral("</body>"));
    body.remove(QRegularExpression(QStringLiteral("<p class=\"related\">.*</p>"),
                                   QRegularExpression::DotMatchesEverythingOption |
                                       QRegularExpression::InvertedGreedinessOption));
    return body.trimmed();
}

QStringList THelpTopics::Links(const QString& topic) const
{
    QStringList links;
    const QRegularExpression href(QStringLiteral("<a\\s+href=\"([^\"]*)\""), QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch& match : href.globalMatch(Html(topic)))
        links.append(match.captured(1));
    return links;
}
