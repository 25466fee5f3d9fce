// Whole-file images of the fixed-size formats (kit file, analyzer disk files, text export):
// reading one image, and saving one so that a failed save never damages the file it was
// meant to replace. The messages are those the file commands show.
#pragma once

#include "kit/LittleEndian.h"
#include "kit/Utility.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

// "Unable to open file: NAME" LF "Reason unknown."
std::string CannotOpenMessage(const std::string& fileName);
// "Unable to open file: NAME" LF "The cal kit data is corrupt."
std::string CorruptKitMessage(const std::string& fileName);
// "Unable to save file: NAME" LF "Reason unknown."
std::string CannotSaveMessage(const std::string& fileName);
// "Unable to save to file:  NAME" LF "This is a read-only file." (two blanks after the colon)
std::string ReadOnlyMessage(const std::string& fileName);

// The first size bytes of the file, read with exclusive sharing where the platform has it.
// ECannotOpenFile when the file cannot be opened, is no regular file (a FIFO, a device or a
// folder; refused at once, never waited on) or holds fewer bytes; the rest is ignored.
std::vector<std::uint8_t> ReadFileImage(const std::string& fileName, std::size_t size);

// Replaces the file (through a symbolic link: its target; a dangling or looping link is
// refused with ECannotSaveFile) with image. The image goes to a
// temporary file in the same folder, which is renamed over the target only when it was
// written completely; an existing target keeps its permissions. A failure leaves an existing
// target as it was and no temporary file behind. EFileReadOnly for a read-only target (it is
// never replaced), ECannotSaveFile for any other failure.
void SaveFileImage(const std::string& fileName, TConstByteSpan image);

// Lets a write beyond the process's file-size limit fail (EFBIG) instead of ending the
// process, so that a save that meets the limit cleans up and reports as any failed save.
// Each program calls this once at start.
void IgnoreFileSizeLimitSignal();

// Builds the image of fileName; a failure other than the program's own (a field outside the
// image, a malformed model table) becomes ECannotSaveFile.
template <typename Build>
std::vector<std::uint8_t> BuildFileImage(const std::string& fileName, Build&& build)
{
    try {
        return build();
    } catch (const ETessalyError&) {
        throw;
    } catch (const std::exception&) {
        throw ECannotSaveFile(CannotSaveMessage(fileName));
    }
}

// Interprets the image read from fileName; a failure other than the program's own becomes
// ECorruptCalKit.
template <typename Interpret>
void InterpretFileImage(const std::string& fileName, Interpret&& interpret)
{
    try {
        interpret();
    } catch (const ETessalyError&) {
        throw;
    } catch (const std::exception&) {
        throw ECorruptCalKit(CorruptKitMessage(fileName));
    }
}
