#include "support/soffice.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace
{

// A soffice first on PATH that plays one line of its plan per start: "abort" (the wrapper itself
// killed by SIGABRT), "splash-abort" (soffice.bin aborted, as oosplash reports it), "fail" (a
// conversion that fails without a signal) or "convert". It logs each start's profile argument.
const char* const FakeSoffice = R"(#!/bin/sh
dir=$(dirname "$0")
n=$(( $(cat "$dir/starts" 2>/dev/null || echo 0) + 1 ))
echo "$n" > "$dir/starts"
echo "$1" >> "$dir/profiles"
echo "start $n"
case $(sed -n "${n}p" "$dir/plan") in
abort) ulimit -c 0; kill -ABRT $$ ;;
splash-abort) echo "Fatal exception: Signal 6"; exit 134 ;;
fail) echo "Error: source file could not be loaded"; exit 1 ;;
convert)
  while [ $# -gt 1 ]; do [ "$1" = --outdir ] && out=$2; shift; done
  name=$(basename "$1")
  echo "converted" > "$out/${name%.*}.txt"
  exit 0 ;;
esac
exit 2
)";

class FakeSofficeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bin.isValid() && out.isValid());
        writeFile(bin.filePath(u"soffice"_s), FakeSoffice);
        QFile::setPermissions(bin.filePath(u"soffice"_s),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        writeFile(input, "{\\rtf1 x\\par}");
        qputenv("PATH", QFile::encodeName(bin.path()) + ':' + savedPath);
    }
    void TearDown() override { qputenv("PATH", savedPath); }

    // Converts the input with the plan given, one line a start; returns the error or "converted".
    QString convert(const QByteArray& plan)
    {
        QFile::remove(bin.filePath(u"starts"_s));
        QFile::remove(bin.filePath(u"profiles"_s));
        writeFile(bin.filePath(u"plan"_s), plan);
        QString error;
        const QString path = sofficeConvert(input, u"txt"_s, u"txt"_s, out.path(), &error);
        return path.isEmpty() ? error : QString::fromUtf8(fileContents(path)).trimmed();
    }
    QStringList profiles() const
    {
        return QString::fromUtf8(fileContents(bin.filePath(u"profiles"_s)))
            .split(u'\n', Qt::SkipEmptyParts);
    }

    const QByteArray savedPath = qgetenv("PATH");
    QTemporaryDir bin;
    QTemporaryDir out;
    const QString input = out.filePath(u"report.rtf"_s);
};

} // namespace

// soffice ending by a signal, whether the wrapper itself was killed or it reports soffice.bin's
// death, is started once more with a fresh profile.
TEST_F(FakeSofficeTest, ASignalOnTheFirstStartIsTriedOnceMoreWithAFreshProfile)
{
    for (const QByteArray death : {"abort", "splash-abort"}) {
        SCOPED_TRACE(death.constData());
        EXPECT_EQ(convert(death + "\nconvert\n"), u"converted"_s);
        const QStringList used = profiles();
        ASSERT_EQ(used.size(), 2);
        EXPECT_TRUE(used.at(0).startsWith(u"-env:UserInstallation=file://"_s))
            << used.at(0).toStdString();
        EXPECT_NE(used.at(0), used.at(1));
    }
}

// Dying twice fails with both starts' outputs; a failure that is no signal is not tried again.
TEST_F(FakeSofficeTest, SecondDeathReportsBothStartsAndOtherFailuresAreNotRetried)
{
    const QString twice = convert("splash-abort\nabort\nconvert\n");
    EXPECT_TRUE(twice.startsWith(u"soffice gave no txt (first start: signal 6; second start, with "
                                 "a fresh profile: crashed)"_s))
        << twice.toStdString();
    EXPECT_TRUE(twice.contains(u"first start said:\nstart 1\nFatal exception: Signal 6\n"_s))
        << twice.toStdString();
    EXPECT_TRUE(twice.contains(u"second start said:\nstart 2\n"_s)) << twice.toStdString();
    EXPECT_EQ(profiles().size(), 2);

    EXPECT_EQ(convert("fail\nconvert\n"),
              u"soffice gave no txt (exit code 1): start 1\nError: source file could not be "
              "loaded\n"_s);
    EXPECT_EQ(profiles().size(), 1);
}
