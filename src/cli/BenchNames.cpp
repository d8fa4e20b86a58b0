#include "cli/BenchNames.h"

namespace korbelant {

namespace {

QStringList split(const char* words)
{
    return QString::fromUtf8(words).split(QLatin1Char('|'));
}

} // namespace

const QStringList& BenchNames::firstNames()
{
    static const QStringList list =
        split("Anna|Andrea|Angelika|Anja|Barbara|Birgit|Brigitte|Carola|Christa|Christine|Claudia|Cornelia|"
              "Daniela|Doris|Elke|"
              "Elisabeth|Erika|Eva|Gabriele|Gisela|Heike|Helga|Ingrid|Iris|Jutta|Karin|Katja|Kerstin|Krista|"
              "Manuela|Margit|Maria|"
              "Marion|Martina|Monika|Nadine|Nicole|Petra|Renate|Rita|Sabine|Sandra|Silke|Simone|Sonja|"
              "Stefanie|Susanne|Tanja|"
              "Ulrike|Ursula|Ute|Yvonne|Jürgen|Thomas|Michael|Klaus|Peter|Uwe|Bärbel|Jörg");
    return list;
}

const QStringList& BenchNames::surnames()
{
    static const QStringList list = split("Müller|Schmidt|Schneider|Fischer|Weber|Meyer|Wagner|Becker|Schulz|"
                                          "Hoffmann|Schäfer|Koch|Bauer|Richter|Klein|Wolf|"
                                          "Schröder|Neumann|Schwarz|Zimmermann|Braun|Krüger|Hofmann|Hartmann|"
                                          "Lange|Schmitt|Werner|Schmitz|Krause|Meier|Lehmann|"
                                          "Schmid|Schulze|Maier|Köhler|Herrmann|König|Walter|Mayer|Huber|"
                                          "Kaiser|Fuchs|Peters|Lang|Scholz|Möller|Weiß|Jung|Hahn|"
                                          "Schubert|Vogel|Friedrich|Keller|Günther|Frank|Berger|Winkler|Roth|"
                                          "Beck|Lorenz|Baumann|Franke|Albrecht|Schuster|"
                                          "Simon|Ludwig|Böhm|Winter|Kraus|Martin|Schumacher|Krämer|Vogt|"
                                          "Stein|Jäger|Otto|Sommer|Groß|Seidel|Heinrich|Brandt|Haas");
    return list;
}

const QStringList& BenchNames::streets()
{
    static const QStringList list =
        split("Hauptstraße|Bahnhofstraße|Schulstraße|Gartenstraße|Lindenstraße|Bergstraße|Kirchgasse|"
              "Ringstraße|Am Sportplatz|"
              "Waldweg|Wiesenweg|Goethestraße|Schillerstraße|Friedhofstraße|Mühlweg|Burgstraße|Rosenweg|"
              "Birkenweg|Am Anger|"
              "Frankfurter Straße|Marktplatz|Eichendorffweg|Talstraße|Feldstraße|Brunnenstraße|Im "
              "Wingert|Obergasse|Untergasse");
    return list;
}

const QStringList& BenchNames::places()
{
    static const QStringList list = split("35390 Gießen|35578 Wetzlar|35037 Marburg|61169 Friedberg|35305 "
                                          "Grünberg|35410 Hungen|35444 Biebertal|35415 Pohlheim|"
                                          "35435 Wettenberg|35440 Linden|35460 Staufenberg|35463 "
                                          "Fernwald|35466 Rabenau|35321 Laubach|35325 Mücke|35423 Lich|"
                                          "35447 Reiskirchen|35452 Heuchelheim|35457 Lollar|35516 "
                                          "Münzenberg|61231 Bad Nauheim|61200 Wölfersheim|35510 Butzbach|"
                                          "35614 Aßlar|35606 Solms|35625 Hüttenberg|35633 Lahnau|35085 "
                                          "Ebsdorfergrund|35096 Weimar (Lahn)|36304 Alsfeld");
    return list;
}

const QStringList& BenchNames::products()
{
    static const QStringList list = split("Frischhaltedose|Vorratsbehälter|Rührschüssel|Schüttelbecher|"
                                          "Brotkasten|Salatschleuder|Trinkflasche|Kühlschrankdose|"
                                          "Gefrierbehälter|Servierschale|Messbecher|Zitruspresse|Käsebox|"
                                          "Brotdose|Schneidebrett|Gemüsehobel|Mikrowellenkanne|"
                                          "Reisbehälter|Ölflasche|Gewürzstreuer|Sparschäler|Reibe|"
                                          "Isolierkanne|Teigschüssel|Backmatte|Auflaufform|Pastaschüssel|"
                                          "Kuchenbehälter|Zwiebelschneider|Vesperbox|Müslibecher|"
                                          "Dosierbehälter|Eierbehälter|Quirl|Schnellkühler");
    return list;
}

const QStringList& BenchNames::sizes()
{
    static const QStringList list =
        split("250 ml|500 ml|1,0 l|1,5 l|2,0 l|3,0 l|4,3 l|Set 3-tlg.|Set 2-tlg.|klein|groß");
    return list;
}

const QStringList& BenchNames::colours()
{
    static const QStringList list =
        split("blau|grün|rot|weiß|transparent|lila|orange|limette|anthrazit|beere");
    return list;
}

} // namespace korbelant
