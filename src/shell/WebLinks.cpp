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

QString repositoryPage()
{
#ifdef VARNEL_REPOSITORY_URL
    return QStringLiteral(VARNEL_REPOSITORY_URL);
#else
    return QString();
#endif
}

} // namespace WebLinks
