// The caption under which a recent file appears in a menu.
#pragma once

#include <QChar>
#include <QString>

// A file in currentFolder shows its bare name. Any other path that is longer than maxLength
// (taken as at least 10) loses its innermost folders one by one, replaced by "..." and the
// separator, until it fits or only the drive part and one separator are left; a caption
// still too long is cut to maxLength - 2 characters followed by "...". The drive part is
// "C:" or "\\server\share" with the separator "\", and empty with "/". Folder names compare
// without regard to letter case.
QString MakeMenuCaption(const QString& path, int maxLength, const QString& currentFolder, QChar separator);
