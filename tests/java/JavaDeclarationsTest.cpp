// The types a source declares, read past comments, literals and class literals.
#include "java/JavaDeclarations.h"

#include <gtest/gtest.h>

using namespace java;

namespace {

// "+" public, ">" inside another type.
QString Described(const QString& source)
{
    QStringList marks;
    for (const TypeDeclaration& type : DeclaredTypes(source))
        marks << QString(type.isPublic ? "+" : "") + (type.topLevel ? "" : ">") + type.name;
    return marks.join(' ');
}

TEST(DeclaredTypes, FindsEachTypeWithItsModifiersAndDepth)
{
    const std::pair<const char*, const char*> cases[] = {
        {"public class A { public static class B { } }\nclass C { }\npublic interface D { }", "+A +>B C +D"},
        {"// public class X\n/* public class Y */\nclass Z { String s = \"public class W {\"; char c = '{'; }\n"
         "public class V { }",
         "Z +V"},
        {"class A { Class<?> c = A.class; }\npublic enum E { X }\npublic record R(int x) { }\npublic @interface N { }",
         "A +E +R +N"},
        {"class T { String s = \"\"\"\n  public class Q {\n  \"\"\"; }\npublic class U { }", "T +U"},
        {"class V { int record = 1; void f() { record = 2; } }", "V"},
        {"@SuppressWarnings(\"x\") public final class W { }\nclass 計算 { char q = '\\''; }", "+W 計算"},
        {"public class Open { void f() { new Object() { }; } }\nclass After { }", "+Open After"}};
    for (const auto& [source, expected] : cases)
        EXPECT_EQ(Described(QString::fromUtf8(source)), QString::fromUtf8(expected)) << source;
}

}  // namespace
