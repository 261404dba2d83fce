#include "common/job_state.h"
#include "common/platform.h"
#include "shell/help_text.h"
#include "shell/shell.h"

#include <fstream>
#include <string>

bool writeHelpFile()
{
    char executable[pathCapacity] = {};
    std::string directory;
    if (executablePath(executable, pathCapacity)) {
        const std::string path = executable;
        directory = path.substr(0, path.rfind(pathSeparator) + 1);
    }
    const std::string helpPath = directory + helpFileName;

    std::ofstream help(helpPath, std::ios::out | std::ios::trunc);
    if (!help.good())
        return false;
    help << helpText;
    help.close();
    openWithDesktop(helpPath.c_str());
    return true;
}
