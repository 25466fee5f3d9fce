// The help topics shipped with the program: HTML pages in the resources under ":/help". Each
// page names, in its meta tags "help-context" and "help-keyword", the context numbers and
// keywords that lead to it.
#pragma once

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QUrl>

class THelpTopics {
public:
    static constexpr const char* ResourceFolder = ":/help";
    static constexpr const char* ContentsTopic = "contents.html";

    // Reads the index of every topic in folder.
    explicit THelpTopics(const QString& folder = QString::fromLatin1(ResourceFolder));

    // The file name of the topic of a context number or a keyword (letter case ignored);
    // empty when there is none.
    QString TopicOfContext(int context) const;
    QString TopicOfKeyword(const QString& keyword) const;

    // Every topic's file name, in order.
    QStringList Topics() const { return FTitles.keys(); }
    bool Contains(const QString& topic) const { return FTitles.contains(topic); }
    // The topic's title as plain text, character references decoded.
    QString Title(const QString& topic) const { return FTitles.value(topic); }
    QString Html(const QString& topic) const;
    QUrl Url(const QString& topic) const;
    // The topic as a pop-up shows it: its heading and text, without the links to related
    // topics. Empty for an unknown topic.
    QString PopupHtml(const QString& topic) const;
    // The targets of the topic's links, as written.
    QStringList Links(const QString& topic) const;

private:
    QString FFolder;
    QMap<QString, QString> FTitles;      // topic -> title
    QHash<int, QString> FContexts;       // context -> topic
    QHash<QString, QString> FKeywords;   // keyword in lower case -> topic
};
