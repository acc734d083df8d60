#pragma once

#include <QString>

// The addresses the program links to. They belong to the deployment: a school or a packager
// that hosts its own pages changes them here and nowhere else; the repository's address comes
// from the build configuration.
namespace WebLinks {

// The vendor's home page: the main window's web link.
QString homePage();
// The product's page, where new versions are published: the about box's link and update check.
QString productPage();
// The online help: "Yardım Konuları".
QString helpPage();
// The support address, without "mailto:".
QString supportAddress();
// The project's source repository, as the build configuration names it (VARNEL_REPOSITORY_URL);
// empty when the build names none.
QString repositoryPage();

} // namespace WebLinks
