#include "java/ClassFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace java {

namespace {

constexpr quint32 kMagic = 0xCAFEBABE;
constexpr quint16 kPublic = 0x0001;
constexpr quint16 kPrivate = 0x0002;
constexpr quint16 kStatic = 0x0008;
constexpr quint16 kInterface = 0x0200;
constexpr quint16 kAbstract = 0x0400;
constexpr int kFirstReleaseWithInstanceMain = 25;
constexpr qint64 kMaxClassBytes = 16 * 1024 * 1024;

enum Tag : quint8 {
    Utf8 = 1,
    Integer = 3,
    Float = 4,
    Long = 5,
    Double = 6,
    Class = 7,
    String = 8,
    FieldRef = 9,
    MethodRef = 10,
    InterfaceMethodRef = 11,
    NameAndType = 12,
    MethodHandle = 15,
    MethodType = 16,
    Dynamic = 17,
    InvokeDynamic = 18,
    Module = 19,
    Package = 20,
};

// Size of a constant's body after its tag; 0 for an unknown tag.
int ConstantSize(quint8 tag)
{
    switch (tag) {
    case Class:
    case String:
    case MethodType:
    case Module:
    case Package: return 2;
    case MethodHandle: return 3;
    case Integer:
    case Float:
    case FieldRef:
    case MethodRef:
    case InterfaceMethodRef:
    case NameAndType:
    case Dynamic:
    case InvokeDynamic: return 4;
    case Long:
    case Double: return 8;
    default: return 0;
    }
}

// A cursor that fails, rather than reads past the end.
class Reader {
public:
    explicit Reader(QByteArrayView bytes)
        : m_bytes(bytes)
    {}
    bool Skip(qint64 count)
    {
        if (!m_ok || count < 0 || count > m_bytes.size() - m_at)
            return m_ok = false;
        m_at += count;
        return true;
    }
    quint32 Read(int width)
    {
        const qsizetype at = m_at;
        if (!Skip(width))
            return 0;
        quint32 value = 0;
        for (int i = 0; i < width; ++i)
            value = (value << 8) | quint8(m_bytes[at + i]);
        return value;
    }
    quint16 U2() { return quint16(Read(2)); }
    quint32 U4() { return Read(4); }
    qsizetype At() const { return m_at; }
    bool Ok() const { return m_ok; }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
    bool m_ok = true;
};

// The constant pool: where each Utf8 text lies, and each class's name index.
struct ConstantPool {
    std::vector<quint8> tags;
    std::vector<qsizetype> offsets;  // of the body, after the tag

    bool Read(Reader& in)
    {
        const quint16 count = in.U2();
        tags.assign(count, 0);
        offsets.assign(count, 0);
        for (int i = 1; i < count && in.Ok(); ++i) {
            tags[i] = quint8(in.Read(1));
            offsets[i] = in.At();
            if (tags[i] == Utf8) {
                in.Skip(in.U2());
                continue;
            }
            const int size = ConstantSize(tags[i]);
            if (size == 0)
                return false;
            in.Skip(size);
            if (tags[i] == Long || tags[i] == Double)
                ++i;  // takes two entries
        }
        return in.Ok();
    }
    bool Is(quint16 index, quint8 tag) const { return index < tags.size() && tags[index] == tag; }
};

// A big-endian u2 inside the constant pool, which was read whole.
quint16 U2At(QByteArrayView bytes, qsizetype at) { return quint16((quint8(bytes[at]) << 8) | quint8(bytes[at + 1])); }

QByteArrayView Utf8At(QByteArrayView bytes, const ConstantPool& pool, quint16 index)
{
    if (!pool.Is(index, Utf8))
        return {};
    const qsizetype at = pool.offsets[index];
    return bytes.sliced(at + 2, U2At(bytes, at));
}

// Java's modified UTF-8: each UTF-16 unit in one to three bytes, no NUL byte.
std::optional<QString> DecodeModifiedUtf8(QByteArrayView bytes)
{
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto lead = quint8(bytes[i]);
        const int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : -1;
        if (lead == 0 || extra < 0 || i + extra >= bytes.size())
            return std::nullopt;
        char16_t unit = extra == 0 ? lead : extra == 1 ? (lead & 0x1F) : (lead & 0x0F);
        for (int k = 1; k <= extra; ++k) {
            const auto next = quint8(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            unit = char16_t((unit << 6) | (next & 0x3F));
        }
        text.append(QChar(unit));
        i += extra + 1;
    }
    return text;
}

// "a/b/Main" to "a.b.Main"; nothing for an array or a malformed name.
std::optional<QString> QualifiedName(const QString& internal)
{
    const QStringList parts = internal.split(QLatin1Char('/'));
    for (const QString& part : parts) {
        if (part.isEmpty() || part.contains(QLatin1Char('.')) || part.contains(QLatin1Char(';'))
            || part.contains(QLatin1Char('[')))
            return std::nullopt;
    }
    return parts.join(QLatin1Char('.'));
}

bool SkipAttributes(Reader& in)
{
    const quint16 count = in.U2();
    for (int i = 0; i < count && in.Ok(); ++i) {
        in.U2();
        in.Skip(in.U4());
    }
    return in.Ok();
}

// The text a Class constant names, decoded; nothing for a bad index.
std::optional<QString> ClassNameAt(QByteArrayView bytes, const ConstantPool& pool, quint16 index)
{
    if (!pool.Is(index, Class))
        return std::nullopt;
    const quint16 nameIndex = U2At(bytes, pool.offsets[index]);
    if (!pool.Is(nameIndex, Utf8))
        return std::nullopt;
    const std::optional<QString> internal = DecodeModifiedUtf8(Utf8At(bytes, pool, nameIndex));
    return internal ? QualifiedName(*internal) : std::nullopt;
}

// The class's own attributes; keeps the name of its SourceFile.
bool ReadClassAttributes(Reader& in, QByteArrayView bytes, const ConstantPool& pool, QString* sourceFile)
{
    const quint16 count = in.U2();
    for (int i = 0; i < count && in.Ok(); ++i) {
        const quint16 name = in.U2();
        const quint32 length = in.U4();
        if (Utf8At(bytes, pool, name) == QByteArrayView("SourceFile") && length == 2) {
            const qsizetype at = in.At();
            if (in.Skip(2))
                *sourceFile = DecodeModifiedUtf8(Utf8At(bytes, pool, U2At(bytes, at))).value_or(QString());
            continue;
        }
        in.Skip(length);
    }
    return in.Ok();
}

// The methods that decide how the class can be launched.
struct Entry {
    std::optional<quint16> mainWithArgs;  // access flags of main(String[])
    std::optional<quint16> mainWithout;   // of main()
    bool plainConstructor = false;        // a constructor without arguments that is not private
};

void NoteMethod(QByteArrayView name, QByteArrayView descriptor, quint16 flags, Entry& entry)
{
    if ((flags & kPrivate) != 0)
        return;
    if (name == QByteArrayView("<init>") && descriptor == QByteArrayView("()V"))
        entry.plainConstructor = true;
    else if (name == QByteArrayView("main") && descriptor == QByteArrayView("([Ljava/lang/String;)V"))
        entry.mainWithArgs = flags;
    else if (name == QByteArrayView("main") && descriptor == QByteArrayView("()V"))
        entry.mainWithout = flags;
}

// Fields and methods share one layout; methods are noted for the entry point.
bool ReadMembers(Reader& in, QByteArrayView bytes, const ConstantPool& pool, Entry* entry)
{
    const quint16 count = in.U2();
    for (int i = 0; i < count && in.Ok(); ++i) {
        const quint16 flags = in.U2();
        const quint16 name = in.U2();
        const quint16 descriptor = in.U2();
        if (entry)
            NoteMethod(Utf8At(bytes, pool, name), Utf8At(bytes, pool, descriptor), flags, *entry);
        if (!SkipAttributes(in))
            return false;
    }
    return in.Ok();
}

// The launcher of release 25 takes main(String[]) before main(); an instance
// main needs an object of the class.
bool LaunchableSince25(const Entry& entry, quint16 classFlags)
{
    const std::optional<quint16> chosen = entry.mainWithArgs ? entry.mainWithArgs : entry.mainWithout;
    if (!chosen)
        return false;
    const bool creatable = (classFlags & (kInterface | kAbstract)) == 0 && entry.plainConstructor;
    return (*chosen & kStatic) != 0 || creatable;
}

}  // namespace

QString ClassFileInfo::PackageName() const
{
    return name.left(std::max<qsizetype>(0, name.lastIndexOf(QLatin1Char('.'))));
}

bool ClassFileInfo::LaunchableOn(int featureRelease) const
{
    return featureRelease >= kFirstReleaseWithInstanceMain ? hasLaunchableMain : hasMain;
}

QString ClassFileInfo::SimpleName() const { return name.mid(name.lastIndexOf(QLatin1Char('.')) + 1); }

QString ClassFileInfo::PackagePath() const
{
    const QString package = PackageName();
    return package.isEmpty() ? QString()
                             : QString(package).replace(QLatin1Char('.'), QLatin1Char('/')) + QLatin1Char('/');
}

QString ClassFileInfo::FilePath() const { return PackagePath() + SimpleName() + QStringLiteral(".class"); }

std::optional<ClassFileInfo> ParseClassFile(QByteArrayView bytes)
{
    Reader in(bytes);
    if (in.U4() != kMagic)
        return std::nullopt;
    ClassFileInfo info;
    in.U2();  // minor version
    info.majorVersion = in.U2();
    ConstantPool pool;
    if (!pool.Read(in))
        return std::nullopt;
    const quint16 classFlags = in.U2();
    const quint16 thisClass = in.U2();
    const quint16 superClass = in.U2();
    in.Skip(2 * in.U2());  // interfaces
    const std::optional<QString> name = in.Ok() ? ClassNameAt(bytes, pool, thisClass) : std::nullopt;
    if (!name)
        return std::nullopt;
    info.name = *name;
    info.superName = ClassNameAt(bytes, pool, superClass).value_or(QString());
    Entry entry;
    if (!ReadMembers(in, bytes, pool, nullptr) || !ReadMembers(in, bytes, pool, &entry)
        || !ReadClassAttributes(in, bytes, pool, &info.sourceFile) || in.At() != bytes.size())
        return std::nullopt;
    info.hasMain = entry.mainWithArgs && (*entry.mainWithArgs & (kPublic | kStatic)) == (kPublic | kStatic);
    info.hasLaunchableMain = LaunchableSince25(entry, classFlags);
    return info;
}

std::optional<ClassFileInfo> ReadClassFile(const QString& path)
{
    // Only regular files: opening a fifo would wait for a writer.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxClassBytes)
        return std::nullopt;
    return ParseClassFile(file.read(kMaxClassBytes));
}

QList<ClassFileInfo> ClassesCompiledFrom(const QString& folder, const QString& sourceName)
{
    constexpr int kMostClasses = 1000;  // a folder of generated classes is not worth reading through
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.class")}, QDir::Files, QDir::Name);
    QList<ClassFileInfo> classes;
    for (const QString& name : names.mid(0, kMostClasses)) {
        const std::optional<ClassFileInfo> info =
            name.contains(QLatin1Char('$')) ? std::nullopt : ReadClassFile(folder + name);
        if (info && info->sourceFile == sourceName)
            classes << *info;
    }
    std::stable_partition(classes.begin(), classes.end(), [](const ClassFileInfo& c) { return c.hasMain; });
    return classes;
}

bool IsAppletClass(const QString& root, const QString& className)
{
    constexpr int kDeepest = 16;  // a cycle of hand-made class files ends here
    QString name = className;
    for (int depth = 0; depth < kDeepest && !name.isEmpty(); ++depth) {
        if (name == QLatin1String("java.applet.Applet") || name == QLatin1String("javax.swing.JApplet"))
            return true;
        if (name.startsWith(QLatin1String("java.")) || name.startsWith(QLatin1String("javax.")))
            return false;
        const std::optional<ClassFileInfo> info =
            ReadClassFile(root + QString(name).replace(QLatin1Char('.'), QLatin1Char('/')) + QStringLiteral(".class"));
        name = info ? info->superName : QString();
    }
    return false;
}

}  // namespace java
