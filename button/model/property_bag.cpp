// The property store: lookup without regard to case, typed reads with the runtime's
// conversion errors, and the readable JSON form that keeps the entries' order.
#include "button/model/property_bag.h"

#include "button/paint/checked_math.h"
#include "button/paint/metrics.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>

namespace chameleon {

namespace {

// The JSON names of the types, indexed by PropertyType.
constexpr const char* TypeNames[] = {"i32", "i16", "bool", "str", "font", "pic"};

// What a read error says about the stored value's type.
const char* describeType(PropertyType type) {
    switch (type) {
    case PropertyType::Int32:
        return "a 32-bit integer";
    case PropertyType::Int16:
        return "a 16-bit integer";
    case PropertyType::Boolean:
        return "a Boolean";
    case PropertyType::String:
        return "a string";
    case PropertyType::Font:
        return "a font";
    case PropertyType::Picture:
        return "a picture";
    }
    return "an unknown value";
}

[[noreturn]] void throwMismatch(const QString& key, PropertyType stored, PropertyType wanted) {
    raiseControlError(
        qdct::errnum::kTypeMismatch,
        QStringLiteral("Type mismatch: stored property \"%1\" holds %2, not %3")
            .arg(key, QLatin1String(describeType(stored)), QLatin1String(describeType(wanted)))
            .toStdString());
}

[[noreturn]] void throwInvalid(const QString& key, const QString& why) {
    raiseControlError(qdct::errnum::kInvalidPropertyValue,
                      QStringLiteral("Invalid property value: stored property \"%1\" %2")
                          .arg(key, why)
                          .toStdString());
}

// --- JSON form of the values ------------------------------------------------------------

QJsonValue fontToJson(const QFont& font) {
    const double size = metrics::storedFontPoints(font);
    return QJsonObject{{"name", font.family()},
                       {"size", size},
                       {"bold", font.bold()},
                       {"italic", font.italic()},
                       {"underline", font.underline()}};
}

QJsonValue pictureToJson(const PicturePtr& picture) {
    if (!picture) return QJsonValue::Null;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture->image.save(&buffer, "PNG");
    return QJsonObject{{"kind", picture->kind == Picture::Icon ? "icon" : "bitmap"},
                       {"himetricWidth", picture->himetricWidth},
                       {"himetricHeight", picture->himetricHeight},
                       {"png", QString::fromLatin1(png.toBase64())}};
}

QJsonValue valueToJson(const PropertyValue& value) {
    return std::visit(
        [](const auto& v) -> QJsonValue {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, QFont>) {
                return fontToJson(v);
            } else if constexpr (std::is_same_v<T, PicturePtr>) {
                return pictureToJson(v);
            } else if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, QString>) {
                return QJsonValue(v);
            } else {
                return QJsonValue(static_cast<qint64>(v));
            }
        },
        value);
}

// A whole number within [low, high], or throws naming the key.
qint64 wholeNumber(const QString& key, const QJsonValue& value, qint64 low, qint64 high,
                   const char* type) {
    const double d = value.toDouble();
    if (!value.isDouble() || std::floor(d) != d || d < double(low) || d > double(high))
        throwInvalid(
            key,
            QStringLiteral("is not a whole number that fits type %1").arg(QLatin1String(type)));
    return static_cast<qint64>(d);
}

QFont fontFromJson(const QString& key, const QJsonValue& value) {
    const QJsonObject o = value.toObject();
    const double size = o.value("size").toDouble();
    const bool wellFormed = value.isObject() && o.value("name").isString() &&
                            o.value("size").isDouble() && o.value("bold").isBool() &&
                            o.value("italic").isBool() && o.value("underline").isBool();
    if (!wellFormed)
        throwInvalid(key, QStringLiteral("is not a font {name, size, bold, italic, underline}"));
    if (!metrics::fontWithinLimit(size))
        throwInvalid(
            key,
            QStringLiteral("has a font size outside 0 to %1 points").arg(metrics::kMaxFontPoints));
    QFont font(o.value("name").toString());
    font.setPointSizeF(o.value("size").toDouble());
    font.setBold(o.value("bold").toBool());
    font.setItalic(o.value("italic").toBool());
    font.setUnderline(o.value("underline").toBool());
    return font;
}

PicturePtr pictureFromJson(const QString& key, const QJsonValue& value) {
    if (value.isNull()) return nullptr;
    const QJsonObject o = value.toObject();
    const QString kind = o.value("kind").toString();
    QImage image;
    const bool wellFormed =
        value.isObject() && (kind == "bitmap" || kind == "icon") && o.value("png").isString() &&
        image.loadFromData(QByteArray::fromBase64(o.value("png").toString().toLatin1()), "PNG");
    if (!wellFormed)
        throwInvalid(key, QStringLiteral("is not a picture {kind, himetricWidth, "
                                         "himetricHeight, png}"));
    constexpr qint64 low = std::numeric_limits<std::int32_t>::min();
    constexpr qint64 high = std::numeric_limits<std::int32_t>::max();
    auto picture = std::make_shared<Picture>();
    picture->kind = kind == "icon" ? Picture::Icon : Picture::Bitmap;
    // Icons keep their alpha; bitmaps are opaque.
    picture->image = image.convertToFormat(picture->kind == Picture::Icon ? QImage::Format_ARGB32
                                                                          : QImage::Format_RGB32);
    picture->himetricWidth =
        static_cast<std::int32_t>(wholeNumber(key, o.value("himetricWidth"), low, high, "i32"));
    picture->himetricHeight =
        static_cast<std::int32_t>(wholeNumber(key, o.value("himetricHeight"), low, high, "i32"));
    if (!pictureWithinLimit(*picture))
        throwInvalid(key, QStringLiteral("is larger than %1 pixels on a side or of negative size")
                              .arg(metrics::kMaxPicturePixels));
    return picture;
}

PropertyValue valueFromJson(const QString& key, const QString& type, const QJsonValue& value) {
    if (type == "i32") {
        return static_cast<std::int32_t>(
            wholeNumber(key, value, std::numeric_limits<std::int32_t>::min(),
                        std::numeric_limits<std::int32_t>::max(), "i32"));
    }
    if (type == "i16") {
        return static_cast<std::int16_t>(
            wholeNumber(key, value, std::numeric_limits<std::int16_t>::min(),
                        std::numeric_limits<std::int16_t>::max(), "i16"));
    }
    if (type == "bool") {
        if (!value.isBool()) throwInvalid(key, QStringLiteral("is not a Boolean"));
        return value.toBool();
    }
    if (type == "str") {
        if (!value.isString()) throwInvalid(key, QStringLiteral("is not a string"));
        return value.toString();
    }
    if (type == "font") return fontFromJson(key, value);
    if (type == "pic") return pictureFromJson(key, value);
    throwInvalid(key, QStringLiteral("has the unknown type \"%1\"").arg(type));
}

} // namespace

PropertyType typeOf(const PropertyValue& value) {
    return static_cast<PropertyType>(value.index());
}

const char* typeName(PropertyType type) {
    return TypeNames[static_cast<int>(type)];
}

// --- the bag ------------------------------------------------------------------------------

void PropertyBag::write(const QString& key, PropertyValue value) {
    for (Entry& e : entries_) {
        if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
            e.value = std::move(value);
            return;
        }
    }
    entries_.push_back({key, std::move(value)});
}

bool PropertyBag::remove(const QString& key) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->key.compare(key, Qt::CaseInsensitive) == 0) {
            entries_.erase(it);
            return true;
        }
    }
    return false;
}

const PropertyValue* PropertyBag::find(const QString& key) const {
    for (const Entry& e : entries_)
        if (e.key.compare(key, Qt::CaseInsensitive) == 0) return &e.value;
    return nullptr;
}

std::int32_t PropertyBag::readInt32(const QString& key, std::int32_t defaultValue) const {
    const PropertyValue* v = find(key);
    if (!v) return defaultValue;
    if (const auto* i = std::get_if<std::int32_t>(v)) return *i;
    if (const auto* s = std::get_if<std::int16_t>(v)) return *s;
    throwMismatch(key, typeOf(*v), PropertyType::Int32);
}

std::int16_t PropertyBag::readInt16(const QString& key, std::int16_t defaultValue) const {
    const PropertyValue* v = find(key);
    if (!v) return defaultValue;
    if (const auto* s = std::get_if<std::int16_t>(v)) return *s;
    if (const auto* i = std::get_if<std::int32_t>(v)) {
        if (*i < std::numeric_limits<std::int16_t>::min() ||
            *i > std::numeric_limits<std::int16_t>::max()) {
            raiseControlError(qdct::errnum::kOverflow,
                              QStringLiteral("Overflow: stored property \"%1\" holds %2, which "
                                             "does not fit a 16-bit integer")
                                  .arg(key)
                                  .arg(*i)
                                  .toStdString());
        }
        return static_cast<std::int16_t>(*i);
    }
    throwMismatch(key, typeOf(*v), PropertyType::Int16);
}

bool PropertyBag::readBool(const QString& key, bool defaultValue) const {
    const PropertyValue* v = find(key);
    if (!v) return defaultValue;
    if (const auto* b = std::get_if<bool>(v)) return *b;
    throwMismatch(key, typeOf(*v), PropertyType::Boolean);
}

QString PropertyBag::readString(const QString& key, const QString& defaultValue) const {
    const PropertyValue* v = find(key);
    if (!v) return defaultValue;
    if (const auto* s = std::get_if<QString>(v)) return *s;
    throwMismatch(key, typeOf(*v), PropertyType::String);
}

QFont PropertyBag::readFont(const QString& key, const QFont& defaultValue) const {
    const PropertyValue* v = find(key);
    if (!v) return defaultValue;
    if (const auto* f = std::get_if<QFont>(v)) return *f;
    throwMismatch(key, typeOf(*v), PropertyType::Font);
}

PicturePtr PropertyBag::readPicture(const QString& key, const PicturePtr& defaultValue) const {
    const PropertyValue* v = find(key);
    if (!v) return defaultValue;
    if (const auto* p = std::get_if<PicturePtr>(v)) return *p;
    throwMismatch(key, typeOf(*v), PropertyType::Picture);
}

QJsonArray PropertyBag::toJson() const {
    QJsonArray array;
    for (const Entry& e : entries_) {
        array.append(QJsonObject{{"key", e.key},
                                 {"type", QLatin1String(typeName(typeOf(e.value)))},
                                 {"value", valueToJson(e.value)}});
    }
    return array;
}

QByteArray PropertyBag::toJsonBytes() const {
    return QJsonDocument(toJson()).toJson(QJsonDocument::Indented);
}

PropertyBag PropertyBag::fromJson(const QJsonArray& array) {
    PropertyBag bag;
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonObject o = array.at(i).toObject();
        const QString key = o.value("key").toString();
        if (!array.at(i).isObject() || !o.value("key").isString() || key.isEmpty())
            throwInvalid(QStringLiteral("#%1").arg(i + 1), QStringLiteral("has no key"));
        if (!o.contains("value")) throwInvalid(key, QStringLiteral("has no value"));
        bag.write(key, valueFromJson(key, o.value("type").toString(), o.value("value")));
    }
    return bag;
}

PropertyBag PropertyBag::fromJsonBytes(const QByteArray& bytes) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray()) {
        raiseControlError(qdct::errnum::kInvalidPropertyValue,
                          QStringLiteral("Invalid property value: the stored properties are not "
                                         "a JSON array (%1)")
                              .arg(error.error != QJsonParseError::NoError
                                       ? error.errorString()
                                       : QStringLiteral("another JSON value"))
                              .toStdString());
    }
    return fromJson(doc.array());
}

} // namespace chameleon
