#include "tests/shell/shell_test_support.h"

#include "common/platform.h"
#include "shell/command_ids.h"
#include "shell/help_text.h"
#include "shell/shell.h"

#include <fstream>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

const std::string border(89, '*');

// Text mode stores a line break as CR LF on Windows.
std::string lineBreak()
{
    return pathSeparator == '\\' ? "\r\n" : "\n";
}

// The lines of a file's content, split at its line breaks; the last one must be closed.
std::vector<std::string> linesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    const std::string separator = lineBreak();
    std::size_t start = 0;
    for (std::size_t end = bytes.find(separator); end != std::string::npos; end = bytes.find(separator, start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + separator.size();
    }
    EXPECT_EQ(start, bytes.size()) << "the last line has no line break";
    return lines;
}

// The column, counted from 1 with tab stops every 8 columns, of the last '*' of `line`.
int closingAsteriskColumn(const std::string& line)
{
    int column = 1;
    int closing = 0;
    for (char character : line) {
        if (character == '\t') {
            column = (column - 1) / 8 * 8 + 9;
            continue;
        }
        if (character == '*')
            closing = column;
        ++column;
    }
    return closing;
}

std::filesystem::path helpFilePath(const std::filesystem::path& programDirectory)
{
    return programDirectory / "How To Use Quorvanteline.txt";
}

TEST_F(ShellTest, HowToUseWritesTheGuideBesideTheProgramAndOpensIt)
{
    const auto helpPath = helpFilePath(programDirectory);

    onCommand(IDM_HOWTO);

    EXPECT_EQ(fakeLog(), (Log{"executablePath", "openWithDesktop " + helpPath.string()}));
    const std::string bytes = fileBytes(helpPath);
    EXPECT_EQ(bytes.size(), pathSeparator == '\\' ? 1519u : 1480u);

    const std::vector<std::string> lines = linesOf(bytes);
    ASSERT_EQ(lines.size(), 39u);
    std::size_t characters = 0;
    for (std::size_t index = 0; index < lines.size(); ++index) {
        const std::string& line = lines[index];
        SCOPED_TRACE("line " + std::to_string(index + 1));
        characters += line.size() + 1;
        EXPECT_EQ(line.find('\n'), std::string::npos);
        EXPECT_EQ(line.find('\r'), std::string::npos);
        ASSERT_FALSE(line.empty());
        EXPECT_EQ(line[0], '*');
        EXPECT_EQ(closingAsteriskColumn(line), 89);
        EXPECT_EQ(line.find_first_not_of(" \t", line.rfind('*') + 1), std::string::npos);
    }
    EXPECT_EQ(characters, 1480u);
    EXPECT_EQ(lines[0], border);
    EXPECT_EQ(lines[38], border);
    EXPECT_EQ(lines[6], "*\t\t\t\t\t\t\t\t\t\t\t*");
    EXPECT_EQ(lines[22], "* (2) Navigate to the splitted files and choose ANY of them. (.qv and .qvo files only). *");

    // The signature line: "*", a tab, ten blanks, six tabs, the author, tabs, "*".
    const std::string signatureStart = "*\t          \t\t\t\t\t\t";
    ASSERT_EQ(lines[36].rfind(signatureStart, 0), 0u);
    const std::string rest = lines[36].substr(signatureStart.size());
    const std::string author = rest.substr(0, rest.find('\t'));
    EXPECT_FALSE(author.empty());
    EXPECT_EQ(author.find_first_of("\t*"), std::string::npos);
    EXPECT_EQ(rest.substr(author.size()).find_first_not_of('\t'), rest.size() - author.size() - 1);

    std::string written;
    for (const std::string& line : lines)
        written += line + "\n";
    EXPECT_EQ(written, helpText);
}

TEST_F(ShellTest, HowToUseReplacesAnEditedGuide)
{
    const auto helpPath = helpFilePath(programDirectory);
    {
        std::ofstream edited(helpPath, std::ios::out | std::ios::binary);
        edited << std::string(4000, 'x');
    }

    onCommand(IDM_HOWTO);
    onCommand(IDM_HOWTO);

    EXPECT_EQ(std::filesystem::file_size(helpPath), pathSeparator == '\\' ? 1519u : 1480u);
    EXPECT_EQ(openedWithDesktop(), (std::vector<std::string>{helpPath.string(), helpPath.string()}));
}

TEST_F(ShellTest, HowToUseThatCannotWriteSaysSorry)
{
    // A directory in the guide's place: no file of that name can be opened for writing.
    std::filesystem::create_directory(helpFilePath(programDirectory));

    onCommand(IDM_HOWTO);

    EXPECT_EQ(fakeLog(), (Log{"executablePath", "showMessage Sorry Information Help could not be loaded"}));
    EXPECT_TRUE(openedWithDesktop().empty());
}

TEST_F(ShellTest, AboutShowsVersionAuthorAndAddress)
{
    onCommand(IDM_ABOUT);

    EXPECT_EQ(fakeLog(), Log{std::string("showMessage About This Program Information ") + aboutText});
    const std::string about = aboutText;
    EXPECT_NE(about.find("Quorvanteline v 1.0"), std::string::npos);
    EXPECT_NE(about.find('@'), std::string::npos);
    // The author of the About box signs the guide.
    const std::string guide = helpText;
    const std::size_t signature = guide.find("*\t          \t\t\t\t\t\t");
    ASSERT_NE(signature, std::string::npos);
    const std::size_t nameStart = signature + 18;
    const std::string author = guide.substr(nameStart, guide.find('\t', nameStart) - nameStart);
    EXPECT_NE(about.find(author), std::string::npos) << author;
}

}  // namespace
