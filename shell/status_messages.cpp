#include "shell/status_messages.h"

#include "common/status_codes.h"

namespace {
struct StatusText {
    int32_t code;
    const char* message;
};

const StatusText statusTexts[] = {
    {StatusOk, "The operation was successful."},
    {StatusInputMissing, "The File was not found; operation unsuccessful."},
    {StatusPartNotCreated, "One or more output files could not be created. The operation might not be fully successful."},
    {StatusInfoNotCreated, "Part0.qvo file, which contains the information, could not be created. Please Try again."},
    {StatusInfoMissing, "Part0.qvo file, which contains the information, could not be found. operation failed."},
    {StatusNotMergeable,
     "The file selected is not valid for merging; please choose files with extensions 'qv' and 'qvo' only"},
    {StatusBadPartName, "The name of the file selected is not valid for merging."},
    {StatusPartMissing, "One or more input files couldn't be found. The operation might not be fully successful."},
    {StatusInfoInvalid, "part0.qvo does not contain valid information; operation failed."},
    {StatusNoSpace,
     "There is not enough free space available for this action in the selected drive. Please free some space and try "
     "again"},
    {StatusMergedNotWritten, "The merged file could not be written; operation unsuccessful."},
    {StatusSizeMismatch, "The merged file does not have the size of the original file; the parts may be damaged."},
};
}  // namespace

const char* statusMessage(int32_t statusCode)
{
    for (const StatusText& entry : statusTexts) {
        if (entry.code == statusCode)
            return entry.message;
    }
    return nullptr;
}
