// quorvanteline-cli: splits a file into a part set and merges a part set back, with the
// same checks and messages as the window program.

#include "cli/commands.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char usageText[] =
    "Usage:\n"
    "  quorvanteline-cli split FILE --parts N   cut FILE into N parts (fewer when N does not divide it evenly)\n"
    "  quorvanteline-cli split FILE --size KB   cut FILE into parts of KB kilobytes (1024 bytes) each\n"
    "  quorvanteline-cli merge FILE             join the part set that FILE (a .qv or .qvo file) belongs to\n"
    "  quorvanteline-cli verify FILE            check a part set without writing anything\n"
    "  quorvanteline-cli --help                 show this text\n"
    "\n"
    "A split writes FILE's parts NAME_part1.qv, NAME_part2.qv, ... and the info file NAME_part0.qvo beside\n"
    "it. Files of up to 300 MB (314,572,800 bytes) can be split; N or KB is 1 to 10 digits. A merge writes\n"
    "NAME_merged.EXT beside the set, replacing an earlier one.\n"
    "\n"
    "Exit status:\n"
    "  0      the job succeeded, or verify found the set whole\n"
    "  1-11   the job ended with a failure: 1 input missing, 2 a part not created, 3 info file not created,\n"
    "         4 info file missing, 5 not a .qv or .qvo file, 6 bad part name, 7 a part missing,\n"
    "         8 info file not valid, 9 not enough free space, 10 merged file not written,\n"
    "         11 merged file of the wrong size\n"
    "  20     a check refused the request (value, file, size limits, path longer than 259 characters),\n"
    "         or verify found the set broken\n"
    "  64     the command line is not as above\n"
    "\n"
    "The outcome of a successful job goes to standard output, every other message to standard error.\n"
    "On a terminal, split and merge show their progress on standard error.\n";

int usageError(const char* why)
{
    std::fprintf(stderr, "quorvanteline-cli: %s\n%s", why, usageText);
    return exitUsage;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(usageText, stdout);
        return exitSuccess;
    }
    if (argc < 3)
        return usageError("a command and a FILE are needed");

    const std::string command = argv[1];
    const std::string file = argv[2];
    if (command == "split") {
        if (argc != 5)
            return usageError("split takes FILE and either --parts N or --size KB");
        const std::string option = argv[3];
        if (option != "--parts" && option != "--size")
            return usageError("split takes --parts N or --size KB");
        return runSplit(file, option == "--parts", argv[4]);
    }
    if (argc != 3)
        return usageError("merge and verify take a FILE only");
    if (command == "merge")
        return runMerge(file);
    if (command == "verify")
        return runVerify(file);
    return usageError("unknown command");
}
