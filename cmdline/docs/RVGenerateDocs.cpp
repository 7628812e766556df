#include <varnock/cmdline/docs/RVToolDocs.hpp>

#include <varnock/cmdline/RVCommandLine.hpp>

#include "cmdline/RVOptionTable.hpp"
#include "cmdline/docs/RVBashCompletion.hpp"
#include "cmdline/docs/RVFishCompletion.hpp"
#include "cmdline/docs/RVManPage.hpp"
#include "cmdline/docs/RVPackageTexts.hpp"
#include "cmdline/docs/RVZshCompletion.hpp"

#include <cstdio>
#include <exception>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (!file) {
        throw std::runtime_error("cannot read " + path);
    }
    return text.str();
}

struct OutputFile
{
    std::string name; // within the output folder
    std::string text;
};

// Every file is rendered before the first is written, so that a fault of
// the table or of the texts, found by any renderer, writes nothing.
std::vector<OutputFile> renderDocs(const RVOptionTable& table, const RVManPageTexts& texts)
{
    const std::string executable(table.app().executable);
    std::vector<OutputFile> files;
    files.push_back({executable + ".1", rv::renderManPage(table, texts)});
    files.push_back({executable + ".bash", rv::renderBashCompletion(table)});
    files.push_back({'_' + executable, rv::renderZshCompletion(table)});
    files.push_back({executable + ".fish", rv::renderFishCompletion(table)});
    files.push_back({executable + ".description", rv::renderPackageDescription(texts)});
    files.push_back({"copyright", rv::renderCopyrightFile(table)});
    return files;
}

// The whole set or none of it: a write that fails takes back the files
// this run has written, so that the folder never holds a new page beside
// missing or stale completions. A file that could not be opened was not
// made here, and stays.
void writeDocs(const std::string& folder, const std::vector<OutputFile>& files)
{
    std::vector<std::string> written;
    for (const OutputFile& output : files) {
        const std::string path = folder + output.name;
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        if (file.is_open()) {
            written.push_back(path);
        }
        file << output.text;
        file.close();
        if (!file) {
            for (const std::string& made : written) {
                std::remove(made.c_str());
            }
            throw std::runtime_error("cannot write " + path);
        }
    }
}

int generate(int argc, const char* const* argv, RVToolDefinitions (*definitions)(),
             std::optional<std::string_view> name)
{
    const char* const self = argc > 0 ? argv[0] : "generate-docs";
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s TEXTS-FILE OUTPUT-FOLDER DATE\n", self);
        return 2;
    }
    try {
        RVToolDefinitions tool = definitions();
        const RVOptionTable table(std::move(tool.commandLine), std::move(tool.app));
        // The build names the files it waits for after the CMake function's
        // name: files named otherwise would be made and never found.
        if (name && table.app().executable != *name) {
            throw std::runtime_error("varnock_cmdline_add_docs(" + std::string(*name) +
                                     "): the app definition's executable is " +
                                     rv::quoted(table.app().executable));
        }
        RVManPageTexts texts = rv::readManPageTexts(readFile(argv[1]));
        texts.date = argv[3];
        writeDocs(std::string(argv[2]) + '/', renderDocs(table, texts));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", self, error.what());
        return 1;
    }
    return 0;
}

} // namespace

int rv::generateDocsMain(int argc, const char* const* argv, RVToolDefinitions (*definitions)(),
                         std::string_view name)
{
    return generate(argc, argv, definitions, name);
}

int rv::generateDocsMain(int argc, const char* const* argv, RVToolDefinitions (*definitions)())
{
    return generate(argc, argv, definitions, std::nullopt);
}
