// info, list and verify: they read a pak and write nothing.
#include <algorithm>
#include <array>
#include <cstdio>
#include <map>

#include "Commands.h"
#include "Options.h"
#include "PakView.h"
#include "base/Sha1.h"
#include "pak/EntryReader.h"
#include "pak/KeyCheck.h"
#include "pak/PakFormatError.h"

namespace pakmole::cli {
namespace {

// Runs body on the pak the arguments name; usage errors and unreadable paks
// end with status 2 and a message.
template <typename Body>
int WithPak(const Arguments& args, Accepts accepts, const char* usage, Body body) {
    Options options;
    if (const std::optional<int> status = ParseCommand(args, accepts, usage, options)) return *status;
    try {
        PakView view(options.pak, options.key);
        return body(view, options);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pakmole: %s\n", e.what());
        return kUnreadable;
    }
}

const char* HashCheckText(IndexHashCheck check) {
    switch (check) {
        case IndexHashCheck::Matches: return "matches";
        case IndexHashCheck::Differs: return "DIFFERS";
        case IndexHashCheck::NotStored: break;
    }
    return "not stored";
}

std::string EncryptionText(const PakFooter& footer) {
    switch (footer.encryption) {
        case PakEncryption::None: return "none";
        case PakEncryption::AesEcb: return "AES-256-ECB";
        case PakEncryption::AesCtr: return "AES-256-CTR";
    }
    return "unknown (" + std::to_string(static_cast<int>(footer.encryption)) + ")";
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

int RunInfo(const Arguments& args) {
    return WithPak(args, {}, "Usage: pakmole info [--aes-key KEY] <pak file>\n\n"
                             "Prints the pak's version and footer, mount point, entry count, compression\n"
                             "methods, what is encrypted and how, the pakchunk index (version 14 and\n"
                             "later), whether the directory index is flat or nested (version 10 and later),\n"
                             "and whether the index matches its stored hash.\n",
                   [](PakView& view, const Options& options) {
                       const PakIndex& index = view.index;
                       const PakFooter& footer = index.footer;
                       std::map<std::string, int> methods;
                       int encrypted = 0, deleted = 0;
                       for (const PakEntry& entry : index.entries) {
                           ++methods[MethodName(footer, entry)];
                           encrypted += entry.encrypted;
                           deleted += entry.deleted;
                       }
                       std::printf("file:               %s\n", options.pak.c_str());
                       std::printf("version:            %s (footer of %lld bytes)\n", footer.VersionName().c_str(),
                                   static_cast<long long>(footer.footerSize));
                       std::string mountPoint = index.mountPoint;
                       std::replace(mountPoint.begin(), mountPoint.end(), '\\', '/');
                       std::printf("mount point:        %s\n", mountPoint.c_str());
                       std::printf("entries:            %zu\n", index.entries.size());
                       if (deleted) std::printf("delete records:     %d\n", deleted);
                       std::printf("compression:        ");
                       const char* separator = "";
                       for (const auto& [name, count] : methods) {
                           std::printf("%s%s (%d)", separator, name.c_str(), count);
                           separator = ", ";
                       }
                       std::printf("%s\n", methods.empty() ? "none" : "");
                       std::printf("encrypted index:    %s\n", footer.indexEncrypted ? "yes" : "no");
                       std::printf("encrypted entries:  %d\n", encrypted);
                       // Before version 15 every encrypted pak uses ECB.
                       if (footer.version >= 4) std::printf("encryption method:  %s\n", EncryptionText(footer).c_str());
                       if (footer.hasPakchunkIndex)
                           std::printf("pakchunk index:     %d%s\n", footer.pakchunkIndex,
                                       footer.pakchunkIndex == -1 ? " (none)" : "");
                       if (footer.version >= 10)
                           std::printf("directory index:    %s\n", index.flatDirectoryIndex ? "flat" : "nested");
                       std::printf("index hash:         %s\n", HashCheckText(index.hashCheck));
                       if (!index.damage.empty()) std::printf("damage:             %s\n", index.damage.c_str());
                       return index.damage.empty() ? kAllExtracted : kSomeFailed;
                   });
}

int RunList(const Arguments& args) {
    Accepts accepts;
    accepts.json = true;
    return WithPak(args, accepts, "Usage: pakmole list [--json] [--aes-key KEY] <pak file>\n\n"
                                  "One line per entry: name, size, stored size, method, encrypted (tab-separated),\n"
                                  "or with --json one array of objects for scripts.\n",
                   [](PakView& view, const Options& options) {
                       const PakFooter& footer = view.index.footer;
                       if (options.json) std::printf("[");
                       const char* separator = "\n";
                       for (const PakEntry& entry : view.index.entries) {
                           const std::string name = DisplayName(entry);
                           const std::string method = MethodName(footer, entry);
                           if (options.json) {
                               std::printf("%s  {\"name\": %s, \"size\": %lld, \"storedSize\": %lld, \"method\": %s, "
                                           "\"encrypted\": %s}",
                                           separator, JsonString(name).c_str(),
                                           static_cast<long long>(entry.uncompressedSize),
                                           static_cast<long long>(entry.size), JsonString(method).c_str(),
                                           entry.encrypted ? "true" : "false");
                               separator = ",\n";
                           } else {
                               std::printf("%s\t%lld\t%lld\t%s\t%s\n", name.c_str(),
                                           static_cast<long long>(entry.uncompressedSize),
                                           static_cast<long long>(entry.size), method.c_str(),
                                           entry.encrypted ? "encrypted" : "-");
                           }
                       }
                       if (options.json) std::printf("%s]\n", view.index.entries.empty() ? "" : "\n");
                       if (!view.index.damage.empty()) {
                           std::fprintf(stderr, "pakmole: %s\n", view.index.damage.c_str());
                           return kSomeFailed;
                       }
                       return kAllExtracted;
                   });
}

namespace {

enum class Verdict { Matches, Differs, NeedsKey };

// Hashes the entry's stored bytes; an encrypted entry whose hash is not of
// them may have been hashed before it was encrypted, which only the key can
// show.
Verdict VerifyEntry(PakView& view, const PakEntry& entry, std::vector<unsigned char>& buffer,
                    const std::array<uint8_t, 20>& expected) {
    const EntryData data = LocateEntryData(view.file, view.index.footer, entry);
    const bool decrypts = entry.encrypted && view.decryptor;
    const int64_t length = decrypts ? StoredLength(entry, entry.size) : entry.size;
    if (entry.size < 0 || data.dataStart > view.file.Size() - length)
        throw std::runtime_error("its data runs past the end of the file");
    if (decrypts && view.index.footer.encryption == PakEncryption::AesCtr && !entry.hasIv)
        throw std::runtime_error("it is encrypted in counter mode but carries no IV");
    Sha1Hasher stored, decrypted;
    view.file.SetPosition(data.dataStart);
    for (int64_t done = 0; done < length;) {
        // The buffer is a whole number of cipher blocks.
        const auto n = static_cast<std::size_t>(std::min<int64_t>(length - done, static_cast<int64_t>(buffer.size())));
        view.file.ReadBuffer(buffer.data(), n);
        const auto counted = static_cast<std::size_t>(std::min<int64_t>(entry.size - done, static_cast<int64_t>(n)));
        stored.Update(buffer.data(), counted);
        if (decrypts) {
            // Counter mode counts the blocks from the start of the entry's data.
            view.decryptor->Decrypt(view.index.footer.encryption, entry.iv, static_cast<uint64_t>(done) / 16,
                                    buffer.data(), n);
            decrypted.Update(buffer.data(), counted);
        }
        done += static_cast<int64_t>(n);
    }
    if (stored.Final() == expected) return Verdict::Matches;
    if (decrypts) return decrypted.Final() == expected ? Verdict::Matches : Verdict::Differs;
    return entry.encrypted ? Verdict::NeedsKey : Verdict::Differs;
}

}  // namespace

int RunVerify(const Arguments& args) {
    return WithPak(args, {}, "Usage: pakmole verify [--aes-key KEY] <pak file>\n\n"
                             "Checks every entry's bytes against the SHA-1 the pak records for them and\n"
                             "lists the entries that do not match (exit status 1 if any). An encrypted\n"
                             "entry whose hash covers its decrypted bytes needs the key (exit status 2\n"
                             "without it); a key that does not open the pak is refused (exit status 2).\n",
                   [](PakView& view, const Options&) {
                       if (view.decryptor) {
                           const KeyCheck check = CheckKey(view.file, view.index, *view.decryptor);
                           if (check == KeyCheck::DoesNotOpen) {
                               std::fprintf(stderr, "pakmole: %s\n", EPakKeyError(EPakKeyError::Kind::Wrong).what());
                               return kUnreadable;
                           }
                           if (check == KeyCheck::CouldNotCheck) std::fprintf(stderr, "pakmole: %s\n", kKeyNotChecked);
                       }
                       int matching = 0, bad = 0, unhashed = 0, needKey = 0;
                       std::vector<unsigned char> buffer(1 << 20);
                       for (const PakEntry& entry : view.index.entries) {
                           if (entry.deleted) continue;
                           try {
                               std::array<uint8_t, 20> expected = entry.sha1;
                               if (!entry.hasSha1) {
                                   // Encoded entries keep their hash only in the data header.
                                   view.file.SetPosition(entry.offset + 28);
                                   view.file.ReadBuffer(expected.data(), expected.size());
                               }
                               if (expected == std::array<uint8_t, 20>{}) {
                                   ++unhashed;
                                   continue;
                               }
                               switch (VerifyEntry(view, entry, buffer, expected)) {
                                   case Verdict::Matches: ++matching; break;
                                   case Verdict::Differs:
                                       ++bad;
                                       std::fprintf(stderr, "pakmole: differs: %s\n", DisplayName(entry).c_str());
                                       break;
                                   case Verdict::NeedsKey:
                                       ++needKey;
                                       std::fprintf(stderr, "pakmole: the key is needed to verify %s\n",
                                                    DisplayName(entry).c_str());
                                       break;
                               }
                           } catch (const std::exception& e) {
                               ++bad;
                               std::fprintf(stderr, "pakmole: cannot verify %s: %s\n", DisplayName(entry).c_str(),
                                            e.what());
                           }
                       }
                       std::printf("%d of %d entries match their SHA-1", matching, matching + bad + needKey);
                       if (unhashed) std::printf(" (%d have no hash stored)", unhashed);
                       if (needKey) std::printf(" (%d encrypted need the key to be verified)", needKey);
                       std::printf("\n");
                       if (bad || !view.index.damage.empty()) return kSomeFailed;
                       return needKey ? kUnreadable : kAllExtracted;
                   });
}

}  // namespace pakmole::cli
