#include "shell/WebLinks.h"

namespace WebLinks {

QString homePage()
{
    return QStringLiteral("https://varnel.example.org/");
}

QString productPage()
{
    return homePage() + QStringLiteral("varnel/");
}

QString helpPage()
{
    return productPage() + QStringLiteral("Help/index.html");
}

QString supportAddress()
{
    return QStringLiteral("destek@varnel.example.org");
}

} // namespace WebLinks
