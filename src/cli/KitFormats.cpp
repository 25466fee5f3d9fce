#include "KitFormats.h"

#include "CliSupport.h"
#include "analyzers/Vna.h"
#include "kit/CalKit.h"
#include "kit/KitFile.h"
#include "kit/TextExport.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool IsDiskFormat(TKitFormat format)
{
    return format == TKitFormat::Disk8753 || format == TKitFormat::Disk8510;
}

QString DiskPattern(TKitFormat format)
{
    return format == TKitFormat::Disk8753 ? QStringLiteral("*.ck") : QStringLiteral("CK_*");
}

// The models that read and write the format: their disk-file name convention says which.
bool HasDiskFilesOf(const TVna& vna, TKitFormat format)
{
    if (!vna.HasDiskFiles)
        return false;
    return format == TKitFormat::Disk8753 ? vna.DiskExtension == "ck" : vna.DiskPrefix == "CK_";
}

TVna& DefaultDiskModel(TKitFormat format)
{
    return *FindVna(format == TKitFormat::Disk8753 ? "8753D/E" : "8510C");
}

} // namespace

std::string LocalFileName(const QString& fileName)
{
    return QFile::encodeName(fileName).toStdString();
}

std::optional<TKitFormat> FormatOfName(const QString& fileName)
{
    const QFileInfo info(fileName);
    const QString extension = info.suffix().toLower();
    if (extension == QLatin1String("tsy"))
        return TKitFormat::KitFile;
    if (extension == QLatin1String("csv"))
        return TKitFormat::TextExport;
    if (extension == QLatin1String("ck"))
        return TKitFormat::Disk8753;
    if (info.fileName().startsWith(QLatin1String("CK_"), Qt::CaseInsensitive))
        return TKitFormat::Disk8510;
    return std::nullopt;
}

TKitFormat RequireFormat(const TCommandLine& commandLine, const QString& fileName)
{
    const auto format = FormatOfName(fileName);
    if (!format)
        commandLine.FailUsage(QStringLiteral("Unknown file format of \"%1\": give a kit file (*.tsy), a text export "
                                             "(*.csv), an 8753-family disk file (*.ck) or an 8510 disk file (CK_*).")
                                  .arg(fileName));
    return *format;
}

std::unique_ptr<TCalKit> ReadKit(const TCommandLine& commandLine, const QString& fileName, TVna* model)
{
    const TKitFormat format = RequireFormat(commandLine, fileName);
    if (format == TKitFormat::TextExport)
        commandLine.FailUsage(QStringLiteral("A text export cannot be read: \"%1\".").arg(fileName));
    TVna* reader = model;
    if (IsDiskFormat(format)) {
        if (reader == nullptr)
            reader = &DefaultDiskModel(format);
        if (!HasDiskFilesOf(*reader, format))
            commandLine.FailUsage(QStringLiteral("The model %1 has no %2 disk files.")
                                      .arg(FromLatin1(reader->ModelName), DiskPattern(format)));
    }

    auto kit = TCalKit::Create(*Vnas().front());
    const std::string name = LocalFileName(fileName);
    if (format == TKitFormat::KitFile) {
        ReadKitFile(*kit, name);
        if (model != nullptr)
            kit->SetVna(*model);
    } else {
        kit->SetVna(*reader);
        reader->ReadDiskFile(*kit, name);
    }
    return kit;
}

void WriteKit(TCalKit& kit, const QString& fileName, TKitFormat format, char delimiter)
{
    const std::string name = LocalFileName(fileName);
    switch (format) {
    case TKitFormat::KitFile:
        WriteKitFile(kit, name);
        return;
    case TKitFormat::TextExport:
        ExportText(kit, name, delimiter);
        return;
    case TKitFormat::Disk8753:
    case TKitFormat::Disk8510:
        if (!HasDiskFilesOf(kit.Vna(), format)) {
            TVna& writer = DefaultDiskModel(format);
            PrintMessage(QStringLiteral("The model %1 has no %2 disk files: the kit was switched to the model %3.")
                             .arg(FromLatin1(kit.Vna().ModelName), DiskPattern(format), FromLatin1(writer.ModelName)));
            kit.SetVna(writer);
        }
        kit.Vna().WriteDiskFile(kit, name);
        return;
    }
}
