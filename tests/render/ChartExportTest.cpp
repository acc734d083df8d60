#include "base/MessageLog.h"
#include "model/cBlock.h"
#include "project/Project.h"
#include "render/ChartExport.h"
#include "render/ChartRenderer.h"
#include "render/SurfaceFonts.h"
#include "support/ExportedFile.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// The names of an SVG file's elements, or nothing when it is not well-formed XML.
QStringList svgElements(const QByteArray &svg)
{
    QXmlStreamReader reader(svg);
    QStringList names;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement)
            names << reader.name().toString();
    }
    return reader.hasError() ? QStringList() : names;
}

bool hasInk(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
        }
    }
    return false;
}

class ChartExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        project.context().setTextMeasure(&SurfaceFonts::measure());
    }

    void loadFactorial()
    {
        ASSERT_TRUE(project.load_FILE(QStringLiteral(VARNEL_SOURCE_DATA "/Examples/factorial.vnp")));
    }

    cBlock *addBlock(const QString &tag, float left, float top)
    {
        cBlock *block = project.theBlockCollection().AddShape(0, tag, left, top);
        block->setShapeWidth(70);
        block->setShapeHeight(30);
        block->setZAction(QStringLiteral("DEFINITION"));
        return block;
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    MessageLog log;
    Project project{&log};
};

} // namespace

TEST_F(ChartExportTest, EachFormatHoldsTheWholeChartOnWhite)
{
    loadFactorial();
    ChartRenderer renderer(project);
    ASSERT_FALSE(renderer.isEmpty());
    const QRectF source = renderer.sourceRect();
    ChartExport exporter;

    ASSERT_TRUE(exporter.save(renderer, path(QStringLiteral("f.png")))) << exporter.errorText().toStdString();
    const QImage png(path(QStringLiteral("f.png")));
    EXPECT_EQ(png.size(), (source.size() * 2).toSize());
    EXPECT_EQ(png.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(png.pixel(png.width() - 1, png.height() - 1), qRgb(255, 255, 255));
    EXPECT_TRUE(hasInk(png));
    // Printed, the picture is as large as the chart on the screen.
    EXPECT_NEAR(png.dotsPerMeterX() * 0.0254, 192, 1);

    ASSERT_TRUE(exporter.save(renderer, path(QStringLiteral("f.svg"))));
    const QStringList elements = svgElements(ExportedFile::read(path(QStringLiteral("f.svg"))));
    ASSERT_FALSE(elements.isEmpty());
    EXPECT_EQ(elements.first(), QStringLiteral("svg"));
    EXPECT_TRUE(elements.contains(QStringLiteral("text")));
    EXPECT_GE(elements.count(QStringLiteral("path")) + elements.count(QStringLiteral("polygon"))
                  + elements.count(QStringLiteral("polyline")),
              project.theBlockCollection().Count());

    ASSERT_TRUE(exporter.save(renderer, path(QStringLiteral("f.pdf"))));
    const QByteArray pdf = ExportedFile::read(path(QStringLiteral("f.pdf")));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(ExportedFile::pdfPageCount(pdf), 1);
}

TEST_F(ChartExportTest, TheSuffixChoosesTheFormatInAnyCase)
{
    const struct {
        const char *name;
        std::optional<ChartExport::Format> format;
    } cases[] = {
        {"a.png", ChartExport::Format::Png}, {"a.PNG", ChartExport::Format::Png},
        {"a.b.Svg", ChartExport::Format::Svg}, {"/x/y.pdf", ChartExport::Format::Pdf},
        {"a.jpg", std::nullopt},             {"png", std::nullopt},
        {"a.png.txt", std::nullopt},         {"", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChartExport::formatOf(QString::fromUtf8(c.name)), c.format) << c.name;
}

TEST_F(ChartExportTest, AFailureSaysWhyAndLeavesTheOldFileAlone)
{
    loadFactorial();
    ChartRenderer renderer(project);
    const QString old = path(QStringLiteral("old.jpg"));
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();
    ChartExport exporter;

    EXPECT_FALSE(exporter.save(renderer, old));
    EXPECT_EQ(exporter.errorText(), QStringLiteral("Resmin biçimi dosya adından anlaşılamadı: ") + old
                                        + QStringLiteral(" (.png, .svg ya da .pdf ile bitmeli)."));
    EXPECT_EQ(ExportedFile::read(old), QByteArray("old"));

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
    EXPECT_FALSE(exporter.save(renderer, path(QStringLiteral("folder.png"))));
    EXPECT_TRUE(exporter.errorText().startsWith(path(QStringLiteral("folder.png")) + QStringLiteral(" yazılamadı: ")));

    EXPECT_FALSE(exporter.save(renderer, path(QStringLiteral("old.jpg/x.pdf"))));
    EXPECT_TRUE(exporter.errorText().contains(QStringLiteral(" yazılamadı: ")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.jpg")});
}

TEST_F(ChartExportTest, AnEmptyChartHasNoPicture)
{
    ChartRenderer renderer(project);
    EXPECT_TRUE(renderer.isEmpty());
    ChartExport exporter;
    EXPECT_FALSE(exporter.save(renderer, path(QStringLiteral("empty.png"))));
    EXPECT_EQ(exporter.errorText(), ChartExport::emptyChartText());
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("empty.png"))));
}

TEST_F(ChartExportTest, TheMarginFollowsTheChartWhereverItLies)
{
    addBlock(QStringLiteral("id1"), -200, 500);
    addBlock(QStringLiteral("id2"), 100, 700);
    ChartRenderer renderer(project);
    const QRectF source = renderer.sourceRect();
    EXPECT_LE(source.left(), -200 - ChartRenderer::margin);
    EXPECT_LE(source.top(), 500 - ChartRenderer::margin);
    EXPECT_GE(source.right(), 170 + ChartRenderer::margin);
    EXPECT_GE(source.bottom(), 730 + ChartRenderer::margin);
    EXPECT_LT(source.width(), 370 + 2 * ChartRenderer::margin + 10);
}

TEST_F(ChartExportTest, AVeryLargeChartMakesASmallerPictureRatherThanNone)
{
    addBlock(QStringLiteral("id1"), 0, 0);
    addBlock(QStringLiteral("id2"), 30000, 20000);
    ChartRenderer renderer(project);
    const double scale = renderer.pngScale();
    EXPECT_LT(scale, ChartRenderer::pictureScale);
    const QSizeF size = renderer.sourceRect().size() * scale;
    EXPECT_LE(std::max(size.width(), size.height()), ChartRenderer::largestPictureSide);
    EXPECT_LE(size.width() * size.height(), double(ChartRenderer::largestPictureArea));
}

// The PNG picture is drawn a band of rows at a time: however the rows are cut, it shows what
// one drawing of the whole chart shows, without seams or shifted bands.
TEST_F(ChartExportTest, ThePngPictureDrawnInBandsMatchesOneDrawing)
{
    loadFactorial();
    ChartRenderer renderer(project);
    QImage whole;
    ASSERT_TRUE(whole.loadFromData(renderer.png(1 << 20), "PNG"));
    QImage drawn(whole.size(), QImage::Format_RGB32);
    {
        QPainter painter(&drawn);
        renderer.render(painter, QRectF(QPointF(0, 0), drawn.size()));
    }
    for (const int rows : {1, 13, 100}) {
        QImage banded;
        ASSERT_TRUE(banded.loadFromData(renderer.png(rows), "PNG")) << rows;
        ASSERT_EQ(banded.size(), whole.size());
        int differing = 0;
        int unlikeOneDrawing = 0;
        for (int y = 0; y < banded.height(); ++y) {
            for (int x = 0; x < banded.width(); ++x) {
                differing += banded.pixel(x, y) != whole.pixel(x, y);
                unlikeOneDrawing += banded.pixel(x, y) != drawn.pixel(x, y);
            }
        }
        // Anti-aliased edges may differ by a shade where a band cuts them.
        const int area = banded.width() * banded.height();
        EXPECT_LT(differing, area / 1000) << rows;
        EXPECT_LT(unlikeOneDrawing, area / 200) << rows;
    }
    EXPECT_TRUE(hasInk(whole));
}
