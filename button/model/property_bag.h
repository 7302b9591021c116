// The property store a button is saved to and loaded from: an ordered bag of typed values
// whose keys match without regard to case, so data written with lower-case keys ("btype")
// answers reads in upper case ("BTYPE"). Hosts keep entries of their own beside the button's
// (the instance's extent under "_extentx" / "_extenty"); the bag keeps them untouched.
//
// On disk the bag is a JSON array that keeps the entries' order, one object per entry:
//
//   [ {"key": "btype", "type": "i32",  "value": 3},
//     {"key": "tx",    "type": "str",  "value": "&Browse"},
//     {"key": "enab",  "type": "bool", "value": true},
//     {"key": "font",  "type": "font", "value": {"name": "MS Sans Serif", "size": 8.25,
//                                               "bold": false, "italic": false,
//                                               "underline": false}},
//     {"key": "mptr",  "type": "i16",  "value": 0},
//     {"key": "micon", "type": "pic",  "value": null},
//     {"key": "picn",  "type": "pic",  "value": {"kind": "bitmap", "himetricWidth": 423,
//                                               "himetricHeight": 423, "png": "iVBOR..."}} ]
//
// A picture value of null is the blank picture. Numbers must be whole and fit their type.
#pragma once

#include "button/paint/picture_object.h"

#include <QByteArray>
#include <QFont>
#include <QJsonArray>
#include <QString>
#include <cstdint>
#include <variant>
#include <vector>

namespace chameleon {

// The alternatives' order is the order of PropertyType.
using PropertyValue = std::variant<std::int32_t, std::int16_t, bool, QString, QFont, PicturePtr>;
enum class PropertyType { Int32, Int16, Boolean, String, Font, Picture };

PropertyType typeOf(const PropertyValue& value);
// The type's name in the JSON form: "i32", "i16", "bool", "str", "font", "pic".
const char* typeName(PropertyType type);

class PropertyBag {
  public:
    struct Entry {
        QString key;
        PropertyValue value;
    };

    // Replaces the value of the entry whose key matches (keeping its place and spelling), or
    // appends a new entry.
    void write(const QString& key, PropertyValue value);
    // Removes the matching entry; false when there was none.
    bool remove(const QString& key);
    // The matching entry's value, or null.
    const PropertyValue* find(const QString& key) const;
    bool contains(const QString& key) const { return find(key) != nullptr; }
    const std::vector<Entry>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    void clear() { entries_.clear(); }

    // Typed reads: the default when the key is absent, else the stored value converted to the
    // type. A value that cannot be converted raises an error naming the key: a 16-bit
    // read of a 32-bit value outside -32768..32767 is an overflow (6), any other mismatch of
    // types (a string read as an integer, ...) a type mismatch (13). Integers of either width
    // convert to each other; nothing else converts.
    std::int32_t readInt32(const QString& key, std::int32_t defaultValue) const;
    std::int16_t readInt16(const QString& key, std::int16_t defaultValue) const;
    bool readBool(const QString& key, bool defaultValue) const;
    QString readString(const QString& key, const QString& defaultValue) const;
    QFont readFont(const QString& key, const QFont& defaultValue) const;
    PicturePtr readPicture(const QString& key, const PicturePtr& defaultValue) const;

    // The JSON form (see above).
    QJsonArray toJson() const;
    QByteArray toJsonBytes() const;
    // Parses the JSON form. Raises error 380 naming the key of the first entry that
    // is malformed: no key, an unknown type, or a value that does not fit its type; a
    // document that is not a JSON array throws it too.
    static PropertyBag fromJson(const QJsonArray& array);
    static PropertyBag fromJsonBytes(const QByteArray& bytes);

  private:
    std::vector<Entry> entries_;
};

} // namespace chameleon
