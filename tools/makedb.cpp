// Creates the program's database from the text sources in data/.
//   quillane-makedb --if-missing <data folder> <database>   create it only when it is missing
//   quillane-makedb --replace <data folder> <database>      replace it with a fresh copy
#include "data/DatabaseBuilder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    QTextStream err(stderr);
    if (arguments.size() != 4 || (arguments.at(1) != QLatin1String("--if-missing") &&
                                  arguments.at(1) != QLatin1String("--replace"))) {
        err << "usage: quillane-makedb --if-missing|--replace <data folder> <database>\n";
        return 2;
    }
    const QString database = arguments.at(3);
    if (arguments.at(1) == QLatin1String("--if-missing") && QFileInfo::exists(database)) {
        QTextStream(stdout) << database << " exists; left as it is\n";
        return 0;
    }
    QString error;
    const QDir sources(arguments.at(2));
    if (!DatabaseBuilder::build(sources.filePath(QStringLiteral("schema.sql")),
                                sources.filePath(QStringLiteral("tables")), database, &error)) {
        err << error << '\n';
        return 1;
    }
    QTextStream(stdout) << "made " << database << '\n';
    return 0;
}
