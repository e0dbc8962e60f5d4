// Registry keys seen through string values only: what the default-browser registration needs.
// Production reads and writes the system's registry under a base key; tests use the in-memory one.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace brisova {

class Registry {
public:
    virtual ~Registry() = default;

    // Paths use "\" between key names and compare without regard to ASCII case.
    virtual bool HasKey(std::string_view path) const = 0;
    // A string value; the name "" is the key's default value. Nothing when the key or the value is
    // missing or the value is not a string.
    virtual std::optional<std::string> ReadString(std::string_view path, std::string_view name) const = 0;
    // Writes a string value, creating the key and its parents as needed.
    virtual bool WriteString(std::string_view path, std::string_view name, std::string_view value) = 0;
};

class MemoryRegistry final : public Registry {
public:
    bool HasKey(std::string_view path) const override;
    std::optional<std::string> ReadString(std::string_view path, std::string_view name) const override;
    bool WriteString(std::string_view path, std::string_view name, std::string_view value) override;

    // Creates a key and its parents without values.
    void CreateKey(std::string_view path);
    // Every value as "path|name=value", lower-case paths and names, for comparing whole states.
    std::map<std::string, std::string> Values() const;

private:
    std::map<std::string, std::map<std::string, std::string>> keys_;
};

// The current user's classes over the machine's, as a merged classes root shows them: each
// value is read from `upper` first, then from `lower`; writes go to `upper`. Where the system's
// classes root does not merge the user's classes, the program still reads what it wrote.
class LayeredRegistry final : public Registry {
public:
    LayeredRegistry(Registry& upper, const Registry& lower) : upper_(upper), lower_(lower) {}
    bool HasKey(std::string_view path) const override { return upper_.HasKey(path) || lower_.HasKey(path); }
    std::optional<std::string> ReadString(std::string_view path, std::string_view name) const override;
    bool WriteString(std::string_view path, std::string_view name, std::string_view value) override {
        return upper_.WriteString(path, name, value);
    }

private:
    Registry& upper_;
    const Registry& lower_;
};

// "a\b" from "a" and "b"; the other part alone when one is empty.
std::string JoinKeyPath(std::string_view base, std::string_view path);

}  // namespace brisova
