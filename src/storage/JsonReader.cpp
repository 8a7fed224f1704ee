#include "storage/JsonReader.h"

#include <bit>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace courtlog {

namespace {

using Json = nlohmann::ordered_json;

// Builds the value from nlohmann's events. An object's members are gathered apart until it
// closes, a key already given found by its hash rather than along the object, and then moved
// into the object at once: the object's own list, whose keys are const, copies every value
// whole each time it grows.
class Builder {
public:
    ReadJson result;

    bool null() { return put(nullptr); }
    bool boolean(bool v) { return put(v); }
    bool number_integer(Json::number_integer_t v) { return put(v); }
    bool number_unsigned(Json::number_unsigned_t v) { return put(v); }
    bool number_float(Json::number_float_t v, const Json::string_t&) { return put(v); }
    bool string(Json::string_t& v) { return put(std::move(v)); }
    bool binary(Json::binary_t& v) { return put(Json::binary(std::move(v))); }
    bool start_object(std::size_t) { return open(Json::object()); }
    bool start_array(std::size_t) { return open(Json::array()); }
    bool end_object() { return close(); }
    bool end_array() { return close(); }

    bool key(Json::string_t& k) {
        Open& top = open_.back();
        top.member = &top.members[top.placeOf(k)].second;
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& e) {
        // A number too large for a double is the only other fault the reader reports.
        if (const auto* syntax = dynamic_cast<const Json::parse_error*>(&e)) {
            result.fault = ReadJson::Fault::Syntax;
            result.bytesRead = syntax->byte;
        } else {
            result.fault = ReadJson::Fault::NumberTooLarge;
        }
        return false;
    }

private:
    // An open array or object. Its place never moves while it is open, since only the
    // innermost one grows.
    struct Open {
        static constexpr std::size_t kLinear = 8;

        explicit Open(Json* container) : value(container) {}

        Json* value;
        // An object's members so far, and the one whose key came last.
        std::vector<std::pair<std::string, Json>> members;
        Json* member = nullptr;
        // Past a few members, where each key is: open addressing on the keys' hashes, a slot
        // holding a member's place plus one.
        std::vector<std::uint32_t> slots;
        std::vector<std::size_t> hashes;

        // The place of the member with this key, added with a null value if it is new.
        std::size_t placeOf(std::string& key) {
            const std::size_t n = members.size();
            if (n < kLinear) {
                for (std::size_t i = 0; i < n; ++i) {
                    if (members[i].first == key) {
                        return i;
                    }
                }
            } else {
                if (n == kLinear) {
                    for (const auto& m : members) {
                        hashes.push_back(std::hash<std::string>{}(m.first));
                    }
                    rehash();
                }
                const std::size_t hash = std::hash<std::string>{}(key);
                std::size_t s = hash & (slots.size() - 1);
                for (; slots[s] != 0; s = (s + 1) & (slots.size() - 1)) {
                    const std::size_t i = slots[s] - 1;
                    if (hashes[i] == hash && members[i].first == key) {
                        return i;
                    }
                }
                slots[s] = static_cast<std::uint32_t>(n + 1);
                hashes.push_back(hash);
                // At most half full, so that a search ends soon.
                if (2 * hashes.size() > slots.size()) {
                    rehash();
                }
            }
            members.emplace_back(std::move(key), nullptr);
            return n;
        }

        void rehash() {
            // A power of two, so that a hash masked is a slot.
            slots.assign(std::bit_ceil(4 * hashes.size()), 0);
            for (std::size_t i = 0; i < hashes.size(); ++i) {
                std::size_t s = hashes[i] & (slots.size() - 1);
                while (slots[s] != 0) {
                    s = (s + 1) & (slots.size() - 1);
                }
                slots[s] = static_cast<std::uint32_t>(i + 1);
            }
        }
    };

    // Puts the value in its place: the whole text, the next element of an array or the
    // member whose key came last.
    Json* place(Json v) {
        if (open_.empty()) {
            result.value = std::move(v);
            return &result.value;
        }
        Open& top = open_.back();
        if (top.value->is_array()) {
            auto& elements = top.value->get_ref<Json::array_t&>();
            elements.push_back(std::move(v));
            return &elements.back();
        }
        *top.member = std::move(v);
        return top.member;
    }

    bool put(Json v) {
        place(std::move(v));
        return true;
    }

    bool open(Json container) {
        if (open_.size() >= static_cast<std::size_t>(kMaxDepth)) {
            result.fault = ReadJson::Fault::TooDeep;
            return false;
        }
        open_.emplace_back(place(std::move(container)));
        return true;
    }

    bool close() {
        Open& top = open_.back();
        if (top.value->is_object()) {
            auto& object = top.value->get_ref<Json::object_t&>();
            object.reserve(top.members.size());
            for (auto& [key, value] : top.members) {
                object.emplace_back(std::move(key), std::move(value));
            }
        }
        open_.pop_back();
        return true;
    }

    std::vector<Open> open_;
};

}  // namespace

ReadJson readJson(std::string_view text) {
    Builder builder;
    Json::sax_parse(text.begin(), text.end(), &builder);
    if (builder.result.fault != ReadJson::Fault::None) {
        builder.result.value = Json();
    }
    return std::move(builder.result);
}

void appendMember(Json& object, const std::string& key, Json value) {
    object.get_ref<Json::object_t&>().emplace_back(key, std::move(value));
}

}  // namespace courtlog
