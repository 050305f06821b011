// What came of making a file of another format (a phone's photo or voice clip) into one of
// the library's own.
#pragma once

enum class ImportResult {
    Done,
    Shortened,    // done, but only the file's start was kept
    NotReadable,  // not a file of a kind the decoders read; nothing was written
    WriteFailed,  // the new file could not be written; nothing partial was left
    Cancelled,    // the parent cancelled the adding while the file was being read
};
