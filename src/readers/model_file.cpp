#include "model_file.hpp"

namespace meshsmith::readers {

TextSource openModelFile(const std::string& path) {
    std::optional<TextSource> source = TextSource::open(path);
    if (!source) throw InputError("Cannot open file \"" + path + "\"");
    if (source->isUtf16()) throw InputError(utf16Refusal(path));
    return std::move(*source);
}

std::string utf16Refusal(const std::string& path) {
    return path + " is UTF-16 text: save it as ANSI or UTF-8 text";
}

} // namespace meshsmith::readers
