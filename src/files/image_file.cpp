#include "files/image_file.h"

#include <algorithm>

#include "files/file_io.h"
#include "image/codec.h"
#include "image/defaults.h"
#include "util/advice.h"
#include "util/texts.h"

namespace kv {
namespace {

std::string LengthAdvice(const RadioSession& s, const std::filesystem::path& path) {
    return AdviceText(Advice::ImageLength, {path.string(), s.ModelName()});
}

}  // namespace

Message FileSaveMessage(const std::string& error) {
    return {text::kFileSaveError, text::kWindowTitle, MessageIcon::Exclamation, Buttons::Ok,
            AdviceText(Advice::FileSave, {error})};
}

FileOutcome ReadImageFile(RadioSession& s, const std::filesystem::path& path, bool showMessages) {
    FileOutcome outcome;
    const FileBytes file = ReadFileBytes(path, static_cast<uintmax_t>(ImageLastAddress(s.model) + 1));
    if (!file.ok || !ImageFileSizeOk(s.model, file.bytes.size())) {
        outcome.detail = file.ok ? path.string() + ": " + text::kBadFile : file.error;
        if (showMessages)
            outcome.messages.push_back({text::kFileReadError, text::kWindowTitle, MessageIcon::Exclamation, Buttons::Ok,
                                        file.ok ? LengthAdvice(s, path) : AdviceText(Advice::FileRead, {file.error})});
        return outcome;
    }
    const auto word = [&](int a) { return static_cast<uint16_t>(file.bytes[a] << 8 | file.bytes[a + 1]); };
    const uint16_t expected = IdentificationWord(s.model);
    const bool modelOk = word(map::ProductWord.address) == expected && word(map::SecondProductWord(s.model)) == expected;
    const auto productByte = RequiredProductByte(s.model);
    const bool productOk = !productByte || file.bytes[map::ProductByte] == *productByte;
    const auto refused = [&](Advice advice) {
        outcome.messages.push_back(
            Advised(advice, text::kReadFromRadio, MessageIcon::Critical, Buttons::Ok, {path.string(), s.ModelName()}));
    };
    if (!modelOk) refused(Advice::ImageModel);
    if (!productOk) refused(Advice::ImageProduct);
    if (!modelOk || !productOk) {
        outcome.detail = path.string() + ": " + outcome.messages.front().text;
        if (!showMessages) outcome.messages.clear();
        return outcome;
    }
    std::copy(file.bytes.begin(), file.bytes.end(), s.image.bytes.begin());
    s.image.lastAddress = ImageLastAddress(s.model);
    if (!showMessages) s.region = RegionFromByte(s.model, s.image[map::RegionByte]);
    outcome.ok = true;
    return outcome;
}

FileOutcome OpenImageFile(RadioSession& s, const std::filesystem::path& path, std::vector<std::string>* warnings) {
    const FileLength length = RegularFileLength(path);
    if (!length.ok)
        return {false, {{text::kFileReadError, text::kWindowTitle, MessageIcon::Exclamation, Buttons::Ok,
                         AdviceText(Advice::FileRead, {length.error})}}, length.error};
    if (!ImageFileSizeOk(s.model, length.length))
        return {false,
                {{text::kBadFile, text::kWindowTitle, MessageIcon::Critical, Buttons::Ok, LengthAdvice(s, path)}},
                path.string() + ": " + text::kBadFile};
    FileOutcome outcome = ReadImageFile(s, path, true);
    if (!outcome.ok) return outcome;
    std::vector<std::string> changed = DecodeImage(s);
    if (warnings) *warnings = std::move(changed);
    return outcome;
}

FileOutcome WriteImageBytes(const RadioSession& s, const std::filesystem::path& path, ReadOnlyFiles readOnly) {
    const std::string error =
        WriteFileAtomically(path, s.image.bytes.data(), static_cast<size_t>(s.image.size()), readOnly);
    if (error.empty()) return {true, {}, ""};
    return {false, {FileSaveMessage(error)}, error};
}

FileOutcome SaveImageFile(RadioSession& s, const std::filesystem::path& path, ReadOnlyFiles readOnly) {
    EncodeImage(s);
    NormalizeImage(s);
    ImageChecksum(s.image);
    return WriteImageBytes(s, path, readOnly);
}

bool LoadDefaultDataFile(RadioSession& s, const std::filesystem::path& folder, const std::string& destination) {
    const std::filesystem::path path = folder / DefaultDataFileName(s.model, destination);
    const FileLength length = RegularFileLength(path);
    if (!length.ok || !ImageFileSizeOk(s.model, length.length)) return false;
    if (!ReadImageFile(s, path, false).ok) return false;
    DecodeImage(s);
    return true;
}

}  // namespace kv
