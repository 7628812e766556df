#include <varnock/cmdline/docs/RVToolDocs.hpp>

#include "cmdline/RVOptionTable.hpp"
#include "cmdline/docs/RVBashCompletion.hpp"
#include "cmdline/docs/RVFishCompletion.hpp"
#include "cmdline/docs/RVManPage.hpp"
#include "cmdline/docs/RVPackageTexts.hpp"
#include "cmdline/docs/RVZshCompletion.hpp"

#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

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

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace

int rv::generateDocsMain(int argc, const char* const* argv, RVToolDefinitions (*definitions)())
{
    const char* const self = argc > 0 ? argv[0] : "generate-docs";
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s TEXTS-FILE OUTPUT-FOLDER DATE\n", self);
        return 2;
    }
    try {
        RVToolDefinitions tool = definitions();
        const RVOptionTable table(std::move(tool.commandLine), std::move(tool.app));
        RVManPageTexts texts = rv::readManPageTexts(readFile(argv[1]));
        texts.date = argv[3];

        const std::string folder = std::string(argv[2]) + '/';
        const std::string executable(table.app().executable);
        writeFile(folder + executable + ".1", rv::renderManPage(table, texts));
        writeFile(folder + executable + ".bash", rv::renderBashCompletion(table));
        writeFile(folder + '_' + executable, rv::renderZshCompletion(table));
        writeFile(folder + executable + ".fish", rv::renderFishCompletion(table));
        writeFile(folder + executable + ".description", rv::renderPackageDescription(texts));
        writeFile(folder + "copyright", rv::renderCopyrightFile(table));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", self, error.what());
        return 1;
    }
    return 0;
}
