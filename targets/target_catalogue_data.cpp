// The targets of each map, by target ID: one text per map, the names one after another, each ended by
// its NUL. Name 0 is a blank placeholder, so that a target ID counts names directly.

#include "targets/target_catalogue.h"

#include <cstddef>

namespace {

// The number of names in a text of names.
template <std::size_t Size>
constexpr int CountNames(const char (&text)[Size])
{
    int count = 0;
    for (std::size_t i = 0; i + 1 < Size; ++i)
        count += text[i] == '\0';
    return count;
}

}  // namespace

constexpr char IslandNamesText[] =
    " \0"                        // 0: unused
    "Aero 1a\0"                  // 1
    "Aero 1b\0"                  // 2
    "Aero 2a\0"                  // 3
    "Aero 3a\0"                  // 4
    "Aero 2b\0"                  // 5
    "Aero 3b\0"                  // 6
    "Village 1b\0"               // 7
    "Village 1a\0"               // 8
    "Supply 1a\0"                // 9
    "Supply 2a\0"                // 10
    "Supply 3a\0"                // 11
    "Supply 4a\0"                // 12
    "Supply 7a\0"                // 13
    "Supply 6a\0"                // 14
    "Supply 5a\0"                // 15
    "Supply 1b\0"                // 16
    "Supply 2b\0"                // 17
    "Supply 3b\0"                // 18
    "Supply 4b\0"                // 19
    "Supply 5b\0"                // 20
    "Supply 6b\0"                // 21
    "Supply 7b\0"                // 22
    "Supply 8b\0"                // 23
    "Supply 9b\0"                // 24
    "Supply 10b\0"               // 25
    "Supply 11b\0"               // 26
    "Supply 12b\0"               // 27
    "Supply 8a\0"                // 28
    "Supply 9a\0"                // 29
    "Railyard 1a\0"              // 30
    "Railyard 1b\0"              // 31
    "Rail Bridge 1a\0"           // 32
    "Rail Bridge 2a\0"           // 33
    "Rail Bridge 1b\0"           // 34
    "Rail Bridge 2b\0"           // 35
    "Bridge 1a\0"                // 36
    "Bridge 1b\0"                // 37
    "Factory 4b\0"               // 38
    "Factory 5b\0"               // 39
    "Factory 5a\0"               // 40
    "Factory 6a\0"               // 41
    "Factory 1a\0"               // 42
    "Factory 2a\0"               // 43
    "Factory 3a\0"               // 44
    "Factory 4a\0"               // 45
    "Factory 1b\0"               // 46
    "Factory 2b\0"               // 47
    "Factory 3b\0"               // 48
    "Factory 6b\0"               // 49
    "Factory 8b\0"               // 50
    "Factory 7b\0";              // 51

constexpr char MarneNamesText[] =
    " \0"                        // 0: unused
    "Le Fere\0"                  // 1
    "Roupy\0"                    // 2
    "Moreuil\0"                  // 3
    "La Ferte Chevresis\0"       // 4
    "Toulis\0"                   // 5
    "Villers le Sec\0"           // 6
    "Vivaise\0"                  // 7
    "Foreste\0"                  // 8
    "Bellevue\0"                 // 9
    "Matigny\0"                  // 10
    "Chery\0"                    // 11
    "Champien\0"                 // 12
    "Mesnil St. George\0"        // 13
    "Esquennoy\0"                // 14
    "Bonneuil\0"                 // 15
    "Chery les Pouilly\0"        // 16
    "Cuirieux\0"                 // 17
    "Golancourt\0"               // 18
    "Chambry\0"                  // 19
    "Liesse\0"                   // 20
    "Dizy le Gros\0"             // 21
    "Barenton\0"                 // 22
    "Concle les Herpy\0"         // 23
    "Hetomesnil\0"               // 24
    "Pusieux Ferme\0"            // 25
    "Quinquemoix\0"              // 26
    "Le Haut Chemin Ferme\0"     // 27
    "Catigny\0"                  // 28
    "St. Just\0"                 // 29
    "Vaux\0"                     // 30
    "Laon\0"                     // 31
    "Marchais\0"                 // 32
    "Alpha\0"                    // 33
    "Gomont\0"                   // 34
    "Suzanne\0"                  // 35
    "Gamma\0"                    // 36
    "Beta\0"                     // 37
    "Ravenel\0"                  // 38
    "Annelles\0"                 // 39
    "La Malmaison\0"             // 40
    "Nenteuil\0"                 // 41
    "Sissone\0"                  // 42
    "Ramecourt\0"                // 43
    "Tille\0"                    // 44
    "Vouziers\0"                 // 45
    "Leffincourt\0"              // 46
    "Juniville\0"                // 47
    "Hauvine\0"                  // 48
    "Vrizy\0"                    // 49
    "Warmerville\0"              // 50
    "Pomacle\0"                  // 51
    "Longavesne\0"               // 52
    "Palesne\0"                  // 53
    "Foquerolles\0"              // 54
    "Mont De Soissons\0"         // 55
    "Chaudun\0"                  // 56
    "Sacy Le Grand\0"            // 57
    "Verines\0"                  // 58
    "Maison Neuve\0"             // 59
    "Raray\0"                    // 60
    "Plessis-Belleville\0"       // 61
    "Fismes\0"                   // 62
    "Auve\0"                     // 63
    "La Noblette Ferme\0"        // 64
    "Bonne Maison\0"             // 65
    "Saponay\0"                  // 66
    "Cramaille\0"                // 67
    "Lhery\0"                    // 68
    "Fere En Tardenois\0"        // 69
    "Goussancourt\0"             // 70
    "Coincy\0"                   // 71
    "Roissy En France\0"         // 72
    "Le Bourget\0"               // 73
    "Mitry\0"                    // 74
    "Saints\0"                   // 75
    "Champaubert\0"              // 76
    "Malette\0"                  // 77
    "Villers St. George\0"       // 78
    "Ferme Des Greves\0"         // 79
    "Touquin\0"                  // 80
    "Francheville\0"             // 81
    "Marson\0"                   // 82
    "Trecon\0"                   // 83
    "Villeneuve les Vertus\0"    // 84
    "Cernon\0"                   // 85
    "Herbisse\0"                 // 86
    "Chalons Sur-Marne\0"        // 87
    "Montidier\0"                // 88
    "St. Quentin\0"              // 89
    "Chateau Thierry\0"          // 90
    "Compiegne\0"                // 91
    "Coulommiers\0"              // 92
    "Epernay\0"                  // 93
    "Fismes\0"                   // 94
    "Laon\0"                     // 95
    "Meaux\0"                    // 96
    "Noyon\0"                    // 97
    "Reims\0"                    // 98
    "Rethel\0"                   // 99
    "Senlis\0"                   // 100
    "Soissons\0"                 // 101
    "Sezanne\0"                  // 102
    "Vertus\0"                   // 103
    "G1\0"                       // 104
    "G2\0"                       // 105
    "G3\0"                       // 106
    "G4\0"                       // 107
    "G5\0"                       // 108
    "G6\0"                       // 109
    "A1\0"                       // 110
    "A2\0"                       // 111
    "A3\0"                       // 112
    "A4\0"                       // 113
    "A5\0"                       // 114
    "A6\0"                       // 115
    "A7\0"                       // 116
    "B1\0"                       // 117
    "Laon E\0"                   // 118
    "Laon W\0"                   // 119
    "Rethel\0"                   // 120
    "Chalons Sur-Marne\0"        // 121
    "Epernay\0"                  // 122
    "Chatauil\0"                 // 123
    "Chateaus\0"                 // 124
    "Fismes S\0"                 // 125
    "Fismes E\0"                 // 126
    "Soissons N\0"               // 127
    "Soissons W\0"               // 128
    "Compiegne\0"                // 129
    "Noyon W\0"                  // 130
    "Vitry Le Franc\0"           // 131
    "Bridge 0\0"                 // 132
    "Bridge 1\0"                 // 133
    "Bridge 2\0"                 // 134
    "Bridge 3\0"                 // 135
    "Bridge 4\0"                 // 136
    "Bridge 5\0"                 // 137
    "Bridge 6\0"                 // 138
    "Bridge 7\0"                 // 139
    "Bridge 8\0"                 // 140
    "Bridge 9\0"                 // 141
    "Bridge 10\0"                // 142
    "Bridge 11\0"                // 143
    "Bridge 12\0"                // 144
    "Bridge 13\0"                // 145
    "Bridge 15\0"                // 146
    "Bridge 16\0"                // 147
    "Bridge 17\0"                // 148
    "Bridge 18\0"                // 149
    "Bridge 19\0"                // 150
    "Bridge 20\0"                // 151
    "Bridge 21\0"                // 152
    "Bridge 22\0"                // 153
    "Bridge 23\0"                // 154
    "Bridge 24\0"                // 155
    "Bridge 25\0"                // 156
    "Bridge 26\0"                // 157
    "Bridge 27\0"                // 158
    "Bridge 28\0"                // 159
    "Bridge 29\0"                // 160
    "Bridge 30\0"                // 161
    "Bridge 31\0"                // 162
    "Bridge 32\0"                // 163
    "Bridge 33\0"                // 164
    "Bridge 35\0"                // 165
    "Bridge 37\0"                // 166
    "Bridge 38\0"                // 167
    "Bridge 39\0"                // 168
    "Bridge 40\0"                // 169
    "Bridge 41\0"                // 170
    "Bridge 42\0"                // 171
    "Bridge 43\0"                // 172
    "Bridge 44\0"                // 173
    "Bridge 45\0"                // 174
    "Bridge 46\0"                // 175
    "Bridge 47\0"                // 176
    "Bridge 48\0"                // 177
    "Bridge 51\0"                // 178
    "newbridge\0"                // 179
    "Factory Laon\0"             // 180
    "Factory Rethel\0"           // 181
    "Factory Reims\0"            // 182
    "Factory Epernay\0"          // 183
    "Factory Chateau Thierry\0"  // 184
    "Factory Vertus\0"           // 185
    "Factory Senlis\0"           // 186
    "Factory Soissons\0"         // 187
    "Village14\0"                // 188
    "Village23\0"                // 189
    "Village24\0"                // 190
    "Village26\0"                // 191
    "Village27\0"                // 192
    "Village32\0"                // 193
    "Village33\0"                // 194
    "Village36\0"                // 195
    "Village2\0"                 // 196
    "Village3\0"                 // 197
    "Village4\0"                 // 198
    "Village7\0"                 // 199
    "Village8\0"                 // 200
    "Village9\0"                 // 201
    "Village10\0"                // 202
    "Village11\0"                // 203
    "Village12\0"                // 204
    "Village13\0"                // 205
    "Village15\0"                // 206
    "Village16\0"                // 207
    "Village17\0"                // 208
    "Village18\0"                // 209
    "Village19\0"                // 210
    "Village20\0"                // 211
    "Village21\0"                // 212
    "Village22\0"                // 213
    "Village25\0"                // 214
    "Village28\0"                // 215
    "Village29\0"                // 216
    "Village30\0"                // 217
    "Village31\0"                // 218
    "Village34\0"                // 219
    "Village35\0"                // 220
    "Village37\0"                // 221
    "Village38\0"                // 222
    "Village39\0"                // 223
    "Village41\0"                // 224
    "Village42\0"                // 225
    "Village43\0";               // 226

constexpr char VerdunNamesText[] =
    " \0"                        // 0: unused
    "Neufchateau\0"              // 1
    "Ourches\0"                  // 2
    "Epiez\0"                    // 3
    "Gondrecourt\0"              // 4
    "Voucoleurs\0"               // 5
    "Ligny En Barrois\0"         // 6
    "Bar Le Duc\0"               // 7
    "Villers en Lieu\0"          // 8
    "Amanty\0"                   // 9
    "Malzeville\0"               // 10
    "Toul\0"                     // 11
    "Behonne\0"                  // 12
    "Mannoncourt\0"              // 13
    "Rancourt\0"                 // 14
    "Brabant le Roi\0"           // 15
    "Many\0"                     // 16
    "Vavincourt\0"               // 17
    "Manonville\0"               // 18
    "Vatimont\0"                 // 19
    "Belrain\0"                  // 20
    "Montoy\0"                   // 21
    "Marimba's Ferme\0"          // 22
    "Lisle En Barrois\0"         // 23
    "Frescaty\0"                 // 24
    "Bussieres\0"                // 25
    "Remicourt\0"                // 26
    "Beauzee Sur Aire\0"         // 27
    "Avillers St. Croix\0"       // 28
    "Puxieuy\0"                  // 29
    "Rembercourt\0"              // 30
    "Metz\0"                     // 31
    "St. Menehould\0"            // 32
    "Mars La Tour\0"             // 33
    "Pretz En Argonne\0"         // 34
    "Souilly\0"                  // 35
    "Boulay\0"                   // 36
    "Lemmes\0"                   // 37
    "Senard\0"                   // 38
    "Vadelaincourt\0"            // 39
    "Brabant En Argonne\0"       // 40
    "Courcelles\0"               // 41
    "Doncourt\0"                 // 42
    "Anitlly\0"                  // 43
    "St. Ail\0"                  // 44
    "Conflans\0"                 // 45
    "Lubey\0"                    // 46
    "Fleville\0"                 // 47
    "Banthville\0"               // 48
    "Vrizy\0"                    // 49
    "Sivry\0"                    // 50
    "Longuyon\0"                 // 51
    "Spincourt\0"                // 52
    "Anoux\0"                    // 53
    "Jametz\0"                   // 54
    "Chassonge Ferme\0"          // 55
    "Mercy le Haut\0"            // 56
    "Buzancy\0"                  // 57
    "Basileux\0"                 // 58
    "Marville\0"                 // 59
    "Mercy le Bas\0"             // 60
    "Martincourt\0"              // 61
    "Virton\0"                   // 62
    "Le Chesne\0"                // 63
    "Montmedy\0"                 // 64
    "Etreval2\0"                 // 65
    "Damelzieres2\0"             // 66
    "Azelot2\0"                  // 67
    "Frolois2\0"                 // 68
    "Luneville\0"                // 69
    "Toul\0"                     // 70
    "Nancy\0"                    // 71
    "Mirecourt\0"                // 72
    "Verdun\0"                   // 73
    "Vitry Le Francois\0"        // 74
    "Montmedy\0"                 // 75
    "St Dizier\0"                // 76
    "Metz\0"                     // 77
    "Bar Le Doc\0"               // 78
    "St Menehould\0"             // 79
    "Briey\0"                    // 80
    "Thionville\0"               // 81
    "St Mihiel\0"                // 82
    "supply1\0"                  // 83
    "supply2\0"                  // 84
    "supply3\0"                  // 85
    "supply4\0"                  // 86
    "supply5\0"                  // 87
    "supply6\0"                  // 88
    "supply7\0"                  // 89
    "supply8\0"                  // 90
    "Montmedy Station\0"         // 91
    "Verdun Station\0"           // 92
    "St. Menehold Station\0"     // 93
    "Mirecourt Station\0"        // 94
    "Nancy Station\0"            // 95
    "Toul Station\0"             // 96
    "Bar Le Duc Station\0"       // 97
    "St. Dizier Station\0"       // 98
    "Vitry Le Francois Station\0" // 99
    "Metz Station\0"             // 100
    "Briey Station\0"            // 101
    "Thionville Station\0"       // 102
    "bridge1\0"                  // 103
    "bridge2\0"                  // 104
    "bridge3\0"                  // 105
    "bridge4\0"                  // 106
    "bridge5\0"                  // 107
    "bridge6\0"                  // 108
    "bridge7\0"                  // 109
    "bridge8\0"                  // 110
    "bridge9\0"                  // 111
    "bridge10\0"                 // 112
    "bridge11\0"                 // 113
    "bridge12\0"                 // 114
    "bridge13\0"                 // 115
    "bridge14\0"                 // 116
    "bridge15\0"                 // 117
    "bridge16\0"                 // 118
    "bridge17\0"                 // 119
    "bridge18\0"                 // 120
    "bridge19\0"                 // 121
    "bridge20\0"                 // 122
    "bridge21\0"                 // 123
    "bridge22\0"                 // 124
    "bridge23\0"                 // 125
    "bridge24\0"                 // 126
    "bridge25\0"                 // 127
    "bridge26\0"                 // 128
    "bridge27\0"                 // 129
    "bridge28\0"                 // 130
    "bridge29\0"                 // 131
    "bridge30\0"                 // 132
    "bridge31\0"                 // 133
    "bridge32\0"                 // 134
    "bridge34\0"                 // 135
    "bridge35\0"                 // 136
    "bridge36\0"                 // 137
    "bridge37\0"                 // 138
    "bridge38\0"                 // 139
    "bridge39\0"                 // 140
    "bridge40\0"                 // 141
    "bridge41\0"                 // 142
    "bridge42\0"                 // 143
    "bridge43\0"                 // 144
    "bridge44\0"                 // 145
    "bridge45\0"                 // 146
    "bridge46\0"                 // 147
    "bridge47\0"                 // 148
    "bridge55\0"                 // 149
    "bridge56\0"                 // 150
    "bridge57\0"                 // 151
    "bridge58\0"                 // 152
    "bridge59\0"                 // 153
    "bridge60\0"                 // 154
    "bridge61\0"                 // 155
    "factory7\0"                 // 156
    "factory1\0"                 // 157
    "factory2\0"                 // 158
    "factory3\0"                 // 159
    "factory4\0"                 // 160
    "factory5\0"                 // 161
    "factory6\0"                 // 162
    "village23\0"                // 163
    "village32\0"                // 164
    "village38\0"                // 165
    "village48\0"                // 166
    "village49\0"                // 167
    "village50\0"                // 168
    "village51\0"                // 169
    "village1\0"                 // 170
    "village2\0"                 // 171
    "village3\0"                 // 172
    "village4\0"                 // 173
    "village5\0"                 // 174
    "village6\0"                 // 175
    "village7\0"                 // 176
    "village8\0"                 // 177
    "village9\0"                 // 178
    "village10\0"                // 179
    "village11\0"                // 180
    "village12\0"                // 181
    "village13\0"                // 182
    "village14\0"                // 183
    "village15\0"                // 184
    "village16\0"                // 185
    "village17\0"                // 186
    "village18\0"                // 187
    "village19\0"                // 188
    "village20\0"                // 189
    "village21\0"                // 190
    "village22\0"                // 191
    "village24\0"                // 192
    "village25\0"                // 193
    "village26\0"                // 194
    "village27\0"                // 195
    "village29\0"                // 196
    "village30\0"                // 197
    "village31\0"                // 198
    "village33\0"                // 199
    "village35\0"                // 200
    "village36\0"                // 201
    "village37\0"                // 202
    "village39\0"                // 203
    "village40\0"                // 204
    "village41\0"                // 205
    "village42\0"                // 206
    "village43\0"                // 207
    "village44\0"                // 208
    "village45\0"                // 209
    "village46\0"                // 210
    "village47\0";               // 211

constexpr char AlsaceNamesText[] =
    " \0"                        // 0: unused
    "Rougemont\0"                // 1
    "La Chapelle Sous Chaux\0"   // 2
    "Habsheim\0"                 // 3
    "Luxeuil\0"                  // 4
    "Thann\0"                    // 5
    "Ensisheim\0"                // 6
    "Reguishem\0"                // 7
    "St. Loup\0"                 // 8
    "Colmar\0"                   // 9
    "Doonoux\0"                  // 10
    "Epinal\0"                   // 11
    "Fontaine\0"                 // 12
    "Ostheim\0"                  // 13
    "Selestadt\0"                // 14
    "Girecourt\0"                // 15
    "Gironcourt\0"               // 16
    "Bettoncourt\0"              // 17
    "Roville\0"                  // 18
    "Flin\0"                     // 19
    "La Neuveville\0"            // 20
    "Xaffervillers\0"            // 21
    "Etreval\0"                  // 22
    "Dameliziers\0"              // 23
    "Haroldbourg\0"              // 24
    "Stotzheim\0"                // 25
    "Frolois\0"                  // 26
    "Azelot\0"                   // 27
    "Oriches2\0"                 // 28
    "Epiez2\0"                   // 29
    "Voucoulers2\0"              // 30
    "Strasbourg\0"               // 31
    "Hattigny\0"                 // 32
    "Malzeville2\0"              // 33
    "Toul2\0"                    // 34
    "Buhl-Lorraine\0"            // 35
    "Mannoncourt2\0"             // 36
    "Dieuze\0"                   // 37
    "Kerprich\0"                 // 38
    "Cutting\0"                  // 39
    "Burlioncourt\0"             // 40
    "Manonville2\0"              // 41
    "Basel\0"                    // 42
    "Steinenstadt\0"             // 43
    "Neuf Brisach\0"             // 44
    "Strasbourg\0"               // 45
    "Selestat\0"                 // 46
    "Reguisheim\0"               // 47
    "Colmar\0"                   // 48
    "Mulhouse\0"                 // 49
    "Thann\0"                    // 50
    "Sarrebourg\0"               // 51
    "St Die\0"                   // 52
    "Belfort\0"                  // 53
    "Luneville\0"                // 54
    "Epinal\0"                   // 55
    "Vesoul\0"                   // 56
    "Toul\0"                     // 57
    "Nancy\0"                    // 58
    "Mirecourt\0"                // 59
    "supply1\0"                  // 60
    "supply2\0"                  // 61
    "supply3\0"                  // 62
    "supply4\0"                  // 63
    "supply5\0"                  // 64
    "supply6\0"                  // 65
    "supply7\0"                  // 66
    "supply8\0"                  // 67
    "supply9\0"                  // 68
    "supply10\0"                 // 69
    "supply11\0"                 // 70
    "supply12\0"                 // 71
    "supply13\0"                 // 72
    "supply14\0"                 // 73
    "Vesoul Station E\0"         // 74
    "Vesoul Station N\0"         // 75
    "Epinal Station\0"           // 76
    "Mirecourt Station\0"        // 77
    "Nancy Station\0"            // 78
    "Toul Station\0"             // 79
    "Mulhouse Station N\0"       // 80
    "Mulhouse Station S\0"       // 81
    "Reguisheim Station\0"       // 82
    "Colmar Station\0"           // 83
    "Selestadt Station\0"        // 84
    "Strasbourg Station\0"       // 85
    "Sarreborg Station\0"        // 86
    "bridge1\0"                  // 87
    "bridge2\0"                  // 88
    "bridge3\0"                  // 89
    "bridge4\0"                  // 90
    "bridge5\0"                  // 91
    "bridge6\0"                  // 92
    "bridge7\0"                  // 93
    "bridge8\0"                  // 94
    "bridge9\0"                  // 95
    "bridge10\0"                 // 96
    "bridge11\0"                 // 97
    "bridge12\0"                 // 98
    "bridge13\0"                 // 99
    "bridge14\0"                 // 100
    "bridge15\0"                 // 101
    "bridge16\0"                 // 102
    "bridge17\0"                 // 103
    "bridge18\0"                 // 104
    "bridge19\0"                 // 105
    "bridge20\0"                 // 106
    "bridge21\0"                 // 107
    "bridge22\0"                 // 108
    "bridge23\0"                 // 109
    "bridge24\0"                 // 110
    "bridge25\0"                 // 111
    "bridge26\0"                 // 112
    "bridge27\0"                 // 113
    "bridge28\0"                 // 114
    "bridge29\0"                 // 115
    "bridge30\0"                 // 116
    "bridge31\0"                 // 117
    "bridge32\0"                 // 118
    "bridge33\0"                 // 119
    "bridge34\0"                 // 120
    "bridge35\0"                 // 121
    "bridge36\0"                 // 122
    "bridge37\0"                 // 123
    "bridge38\0"                 // 124
    "bridge39\0"                 // 125
    "bridge40\0"                 // 126
    "bridge42\0"                 // 127
    "bridge43\0"                 // 128
    "bridge44\0"                 // 129
    "bridge45\0"                 // 130
    "bridge46\0"                 // 131
    "bridge47\0"                 // 132
    "bridge48\0"                 // 133
    "bridge49\0"                 // 134
    "bridge50\0"                 // 135
    "bridge51\0"                 // 136
    "bridge52\0"                 // 137
    "bridge53\0"                 // 138
    "bridge54\0"                 // 139
    "bridge55\0"                 // 140
    "bridge56\0"                 // 141
    "bridge57\0"                 // 142
    "bridge58\0"                 // 143
    "bridge59\0"                 // 144
    "bridge60\0"                 // 145
    "bridge61\0"                 // 146
    "bridge62\0"                 // 147
    "bridge63\0"                 // 148
    "bridge64\0"                 // 149
    "bridge65\0"                 // 150
    "bridge66\0"                 // 151
    "bridge67\0"                 // 152
    "bridge68\0"                 // 153
    "bridge69\0"                 // 154
    "bridge70\0"                 // 155
    "bridge71\0"                 // 156
    "bridge72\0"                 // 157
    "bridge73\0"                 // 158
    "bridge74\0"                 // 159
    "bridge75\0"                 // 160
    "bridge76\0"                 // 161
    "bridge77\0"                 // 162
    "bridge78\0"                 // 163
    "bridge79\0"                 // 164
    "bridge80\0"                 // 165
    "bridge81\0"                 // 166
    "Bridge82\0"                 // 167
    "factory1\0"                 // 168
    "factory2\0"                 // 169
    "factory3\0"                 // 170
    "factory4\0"                 // 171
    "factory5\0"                 // 172
    "factory6\0"                 // 173
    "factory7\0"                 // 174
    "village6\0"                 // 175
    "village9\0"                 // 176
    "village13\0"                // 177
    "village23\0"                // 178
    "village24\0"                // 179
    "village32\0"                // 180
    "village37\0"                // 181
    "village43\0"                // 182
    "village45\0"                // 183
    "village46\0"                // 184
    "village47\0"                // 185
    "village48\0"                // 186
    "village49\0"                // 187
    "village50\0"                // 188
    "village51\0"                // 189
    "village52\0"                // 190
    "village53\0"                // 191
    "village54\0"                // 192
    "village55\0"                // 193
    "village56\0"                // 194
    "village57\0"                // 195
    "village58\0"                // 196
    "village59\0"                // 197
    "village60\0"                // 198
    "village61\0"                // 199
    "village62\0"                // 200
    "village63\0"                // 201
    "village64\0"                // 202
    "village65\0"                // 203
    "village66\0"                // 204
    "village1\0"                 // 205
    "village3\0"                 // 206
    "village4\0"                 // 207
    "village5\0"                 // 208
    "village7\0"                 // 209
    "village8\0"                 // 210
    "village10\0"                // 211
    "village11\0"                // 212
    "village12\0"                // 213
    "village14\0"                // 214
    "village15\0"                // 215
    "village16\0"                // 216
    "village17\0"                // 217
    "village19\0"                // 218
    "village20\0"                // 219
    "village21\0"                // 220
    "village22\0"                // 221
    "village25\0"                // 222
    "village26\0"                // 223
    "village27\0"                // 224
    "village28\0"                // 225
    "village29\0"                // 226
    "village30\0"                // 227
    "village31\0"                // 228
    "village33\0"                // 229
    "village34\0"                // 230
    "village35\0"                // 231
    "village38\0"                // 232
    "village39\0"                // 233
    "village40\0"                // 234
    "village41\0"                // 235
    "village42\0"                // 236
    "village44\0";               // 237

constexpr char FlandersNamesText[] =
    " \0"                        // 0: unused
    "Ghistelles\0"               // 1
    "Jabbecke\0"                 // 2
    "Varsenaire\0"               // 3
    "Coxyde\0"                   // 4
    "Aertrycke\0"                // 5
    "Bray Dunes\0"               // 6
    "Teteghem\0"                 // 7
    "Wynghene\0"                 // 8
    "Cappelle\0"                 // 9
    "Leffrinckhauke\0"           // 10
    "Coude Kerque Nord\0"        // 11
    "Hooey Hoek\0"               // 12
    "St. Pol Sur Mere\0"         // 13
    "Beveren\0"                  // 14
    "Thielt\0"                   // 15
    "Cruyshauten\0"              // 16
    "Bergues\0"                  // 17
    "Ingelmunster\0"             // 18
    "Roulers\0"                  // 19
    "Bierne\0"                   // 20
    "Bavichove\0"                // 21
    "Petite Synthe\0"            // 22
    "Rumbeke\0"                  // 23
    "La Lovie\0"                 // 24
    "Harlebecke\0"               // 25
    "Courtrai\0"                 // 26
    "Heule\0"                    // 27
    "Crochte\0"                  // 28
    "Cuerne\0"                   // 29
    "Droglandt\0"                // 30
    "Hoog Huys\0"                // 31
    "Poperinghe\0"               // 32
    "Wervicq\0"                  // 33
    "Abeele\0"                   // 34
    "Bisseghem\0"                // 35
    "Marcke\0"                   // 36
    "Clairmarais\0"              // 37
    "Halluin\0"                  // 38
    "Le Belcamp\0"               // 39
    "Avelgem\0"                  // 40
    "Bailleul\0"                 // 41
    "St. Omer\0"                 // 42
    "Linselles\0"                // 43
    "Boisdemshen\0"              // 44
    "St. Marguerte\0"            // 45
    "Merville\0"                 // 46
    "St. Marie Cappelle\0"       // 47
    "Wambrechies\0"              // 48
    "Templevue\0"                // 49
    "Esquerdes\0"                // 50
    "Ascq\0"                     // 51
    "Roville\0"                  // 52
    "La Gorgue\0"                // 53
    "Bachy\0"                    // 54
    "Treizennes\0"               // 55
    "Temple Mars\0"              // 56
    "Quelmes\0"                  // 57
    "St. Maur\0"                 // 58
    "Houplin\0"                  // 59
    "Lomme\0"                    // 60
    "Ronchin\0"                  // 61
    "Chocques\0"                 // 62
    "Hesdin\0"                   // 63
    "Provin\0"                   // 64
    "Beuvry\0"                   // 65
    "Sechin\0"                   // 66
    "Haubordin\0"                // 67
    "Estree Blanche\0"           // 68
    "Lozinghem\0"                // 69
    "Auchel\0"                   // 70
    "Avelin\0"                   // 71
    "Liettres\0"                 // 72
    "Carvin\0"                   // 73
    "Serny\0"                    // 74
    "Conteville\0"               // 75
    "Tramecourt\0"               // 76
    "Bruay\0"                    // 77
    "St. Andre Au Bois\0"        // 78
    "Lione\0"                    // 79
    "Auchy\0"                    // 80
    "Chievres\0"                 // 81
    "Moncheaux\0"                // 82
    "Bryas\0"                    // 83
    "Le Quesnoy\0"               // 84
    "Lens\0"                     // 85
    "La Brayelle\0"              // 86
    "Camblain L'Abbey\0"         // 87
    "Aniche\0"                   // 88
    "Douai\0"                    // 89
    "Boffles\0"                  // 90
    "Erchin\0"                   // 91
    "Roisin\0"                   // 92
    "Aubry\0"                    // 93
    "Masny\0"                    // 94
    "Savy\0"                     // 95
    "Le Hammeau\0"               // 96
    "Emerchicourt\0"             // 97
    "Roucourt\0"                 // 98
    "Vitry En Artois\0"          // 99
    "Wagenlieu\0"                // 100
    "Cantin\0"                   // 101
    "Lieu St. Amanel\0"          // 102
    "Marquion\0"                 // 103
    "Avesnes Le Comte\0"         // 104
    "Epinoy\0"                   // 105
    "Eswars\0"                   // 106
    "Avesnes Le Sec\0"           // 107
    "Boiry St. Martin\0"         // 108
    "Remaisnil\0"                // 109
    "Raillencourt\0"             // 110
    "Escarmain\0"                // 111
    "Soncamp\0"                  // 112
    "Auxi Le Chateau\0"          // 113
    "Boistrancourt\0"            // 114
    "Seranvillers\0"             // 115
    "La Bellevue\0"              // 116
    "Pronville\0"                // 117
    "Awoingt\0"                  // 118
    "Caudry\0"                   // 119
    "Albainzeville\0"            // 120
    "Murieux\0"                  // 121
    "Neuvilly\0"                 // 122
    "Fienvillers\0"              // 123
    "Valheureux\0"               // 124
    "Le Cateau\0"                // 125
    "Montecouvaix Ferme\0"       // 126
    "Lagnicourt\0"               // 127
    "Iris Ferme\0"               // 128
    "Bertry\0"                   // 129
    "Bazuel\0"                   // 130
    "Candas\0"                   // 131
    "Villers Outreaux\0"         // 132
    "Lealvillers\0"              // 133
    "Warloy\0"                   // 134
    "Vignacourt\0"               // 135
    "Busigny\0"                  // 136
    "Lieramont\0"                // 137
    "Beaureuoir\0"               // 138
    "Nurlu\0"                    // 139
    "Lechelle\0"                 // 140
    "Bohain\0"                   // 141
    "Premont\0"                  // 142
    "Baizeux\0"                  // 143
    "Bertangles\0"               // 144
    "Lavieville\0"               // 145
    "Cappy\0"                    // 146
    "Champlin\0"                 // 147
    "Lahoussoye\0"               // 148
    "Guise\0"                    // 149
    "Fontaine-Uterte\0"          // 150
    "Airaines\0"                 // 151
    "Poulainville\0"             // 152
    "Proyart\0"                  // 153
    "Moislains\0"                // 154
    "Villers-Bretonneux\0"       // 155
    "Allonville\0"               // 156
    "Ennemain\0"                 // 157
    "Fontaine Notre Dame\0"      // 158
    "Vraignes\0"                 // 159
    "Chachy\0"                   // 160
    "Estrees En Chausse\0"       // 161
    "Flez\0"                     // 162
    "Fieulaine\0"                // 163
    "Nieuport\0"                 // 164
    "Gand\0"                     // 165
    "Calais\0"                   // 166
    "Gravelines\0"               // 167
    "Dunkerque\0"                // 168
    "Roulers\0"                  // 169
    "Ypres\0"                    // 170
    "Courtai\0"                  // 171
    "St Omer\0"                  // 172
    "Armentieres\0"              // 173
    "Roubaix\0"                  // 174
    "Aire\0"                     // 175
    "Lille\0"                    // 176
    "Tournai\0"                  // 177
    "Bethune\0"                  // 178
    "lens\0"                     // 179
    "Hesdin\0"                   // 180
    "St Pol\0"                   // 181
    "Douai\0"                    // 182
    "Valenciennes\0"             // 183
    "Arras\0"                    // 184
    "Cambrai\0"                  // 185
    "Abbaville\0"                // 186
    "Doullens\0"                 // 187
    "Albert\0"                   // 188
    "Amiens\0"                   // 189
    "St Quentin\0"               // 190
    "supply1\0"                  // 191
    "supply2\0"                  // 192
    "supply3\0"                  // 193
    "supply4\0"                  // 194
    "supply5\0"                  // 195
    "supply6\0"                  // 196
    "supply7\0"                  // 197
    "supply8\0"                  // 198
    "supply9\0"                  // 199
    "supply10\0"                 // 200
    "supply11\0"                 // 201
    "supply12\0"                 // 202
    "Supply13\0"                 // 203
    "Supply14\0"                 // 204
    "Calais Station\0"           // 205
    "St. Omer Station N\0"       // 206
    "St. Omer Station S\0"       // 207
    "Aire Station N\0"           // 208
    "Aire Station S\0"           // 209
    "Bethune Station\0"          // 210
    "St. Pol Station\0"          // 211
    "Hesdin Station\0"           // 212
    "Albert Station\0"           // 213
    "Abbeville Station W\0"      // 214
    "Abbeville Station E\0"      // 215
    "Amiens Station W\0"         // 216
    "Amiens Station E\0"         // 217
    "Gand Station\0"             // 218
    "Roulers Station\0"          // 219
    "Courtrai Station N\0"       // 220
    "Courtrai Station S\0"       // 221
    "Roubaix Station N\0"        // 222
    "Roubaix Station S\0"        // 223
    "Lille Station\0"            // 224
    "Tournai Station\0"          // 225
    "Lens Station\0"             // 226
    "Douai Station\0"            // 227
    "Valenciennes Station\0"     // 228
    "Cambrai Station\0"          // 229
    "St. Quentin\0"              // 230
    "Bridge0\0"                  // 231
    "Bridge1\0"                  // 232
    "Bridge2\0"                  // 233
    "Bridge3\0"                  // 234
    "Bridge4\0"                  // 235
    "Bridge5\0"                  // 236
    "Bridge6\0"                  // 237
    "Bridge7\0"                  // 238
    "Bridge8\0"                  // 239
    "Bridge9\0"                  // 240
    "Bridge10\0"                 // 241
    "Bridge11\0"                 // 242
    "Bridge12\0"                 // 243
    "Bridge13\0"                 // 244
    "Bridge14\0"                 // 245
    "Bridge15\0"                 // 246
    "Bridge16\0"                 // 247
    "Bridge17\0"                 // 248
    "Bridge18\0"                 // 249
    "Bridge19\0"                 // 250
    "Bridge20\0"                 // 251
    "Bridge21\0"                 // 252
    "Bridge22\0"                 // 253
    "Bridge23\0"                 // 254
    "Bridge24\0"                 // 255
    "Bridge25\0"                 // 256
    "Bridge26\0"                 // 257
    "Bridge27\0"                 // 258
    "Bridge28\0"                 // 259
    "Bridge29\0"                 // 260
    "Bridge30\0"                 // 261
    "Bridge31\0"                 // 262
    "Bridge32\0"                 // 263
    "Bridge33\0"                 // 264
    "Bridge34\0"                 // 265
    "Bridge35\0"                 // 266
    "Bridge36\0"                 // 267
    "Bridge37\0"                 // 268
    "Bridge38\0"                 // 269
    "Bridge39\0"                 // 270
    "Bridge40\0"                 // 271
    "Bridge41\0"                 // 272
    "Bridge42\0"                 // 273
    "Bridge43\0"                 // 274
    "Bridge44\0"                 // 275
    "Bridge45\0"                 // 276
    "Bridge46\0"                 // 277
    "Bridge47\0"                 // 278
    "Bridge48\0"                 // 279
    "Bridge49\0"                 // 280
    "Bridge50\0"                 // 281
    "Bridge51\0"                 // 282
    "Bridge52\0"                 // 283
    "Bridge53\0"                 // 284
    "Bridge54\0"                 // 285
    "Bridge55\0"                 // 286
    "Bridge56\0"                 // 287
    "Bridge57\0"                 // 288
    "Bridge58\0"                 // 289
    "Bridge59\0"                 // 290
    "Bridge60\0"                 // 291
    "Bridge61\0"                 // 292
    "Bridge62\0"                 // 293
    "Bridge63\0"                 // 294
    "Bridge64\0"                 // 295
    "Bridge65\0"                 // 296
    "Bridge66\0"                 // 297
    "Bridge67\0"                 // 298
    "Bridge68\0"                 // 299
    "Bridge69\0"                 // 300
    "Bridge70\0"                 // 301
    "Bridge71\0"                 // 302
    "Bridge72\0"                 // 303
    "Bridge73\0"                 // 304
    "Bridge74\0"                 // 305
    "Bridge75\0"                 // 306
    "Bridge76\0"                 // 307
    "Bridge77\0"                 // 308
    "Bridge78\0"                 // 309
    "Bridge79\0"                 // 310
    "Bridge80\0"                 // 311
    "factory2\0"                 // 312
    "factory3\0"                 // 313
    "factory4\0"                 // 314
    "factory5\0"                 // 315
    "factory6\0"                 // 316
    "factory7\0"                 // 317
    "factory8\0"                 // 318
    "factory9\0"                 // 319
    "factory10\0"                // 320
    "factory11\0"                // 321
    "factory12\0"                // 322
    "factory13\0"                // 323
    "factory14\0"                // 324
    "factory15\0"                // 325
    "factory16\0"                // 326
    "factory17\0"                // 327
    "factory18\0"                // 328
    "factory19\0"                // 329
    "factory20\0"                // 330
    "Village21\0"                // 331
    "Village23\0"                // 332
    "Village31\0"                // 333
    "Village72\0"                // 334
    "Village73\0"                // 335
    "Village74\0"                // 336
    "Village75\0"                // 337
    "Village76\0"                // 338
    "Village77\0"                // 339
    "Village78\0"                // 340
    "Village79\0"                // 341
    "Village80\0"                // 342
    "Village81\0"                // 343
    "Village0\0"                 // 344
    "Village1\0"                 // 345
    "Village2\0"                 // 346
    "Village3\0"                 // 347
    "Village4\0"                 // 348
    "Village5\0"                 // 349
    "Village6\0"                 // 350
    "Village7\0"                 // 351
    "Village8\0"                 // 352
    "Village9\0"                 // 353
    "Village10\0"                // 354
    "Village11\0"                // 355
    "Village12\0"                // 356
    "Village13\0"                // 357
    "Village14\0"                // 358
    "Village15\0"                // 359
    "Village16\0"                // 360
    "Village17\0"                // 361
    "Village18\0"                // 362
    "Village19\0"                // 363
    "Village20\0"                // 364
    "Village22\0"                // 365
    "Village24\0"                // 366
    "Village25\0"                // 367
    "Village26\0"                // 368
    "Village27\0"                // 369
    "Village28\0"                // 370
    "Village29\0"                // 371
    "Village32\0"                // 372
    "Village33\0"                // 373
    "Village34\0"                // 374
    "Village35\0"                // 375
    "Village37\0"                // 376
    "Village38\0"                // 377
    "Village39\0"                // 378
    "Village40\0"                // 379
    "Village41\0"                // 380
    "Village42\0"                // 381
    "Village43\0"                // 382
    "Village44\0"                // 383
    "Village45\0"                // 384
    "Village46\0"                // 385
    "Village47\0"                // 386
    "Village48\0"                // 387
    "Village49\0"                // 388
    "Village50\0"                // 389
    "Village51\0"                // 390
    "Village52\0"                // 391
    "Village53\0"                // 392
    "Village54\0"                // 393
    "Village55\0"                // 394
    "Village56\0"                // 395
    "Village57\0"                // 396
    "Village58\0"                // 397
    "Village59\0"                // 398
    "Village60\0"                // 399
    "Village61\0"                // 400
    "Village62\0"                // 401
    "Village63\0"                // 402
    "Village64\0"                // 403
    "Village65\0"                // 404
    "Village66\0"                // 405
    "Village67\0"                // 406
    "Village68\0"                // 407
    "Village69\0"                // 408
    "Village70\0"                // 409
    "Village71\0";               // 410

// Each text holds exactly its map's count of names, so that every valid ID names a target.
static_assert(CountNames(IslandNamesText) == IslandTargetCount);
static_assert(CountNames(MarneNamesText) == MarneTargetCount);
static_assert(CountNames(VerdunNamesText) == VerdunTargetCount);
static_assert(CountNames(AlsaceNamesText) == AlsaceTargetCount);
static_assert(CountNames(FlandersNamesText) == FlandersTargetCount);

const char* const IslandNames = IslandNamesText;
const char* const MarneNames = MarneNamesText;
const char* const VerdunNames = VerdunNamesText;
const char* const AlsaceNames = AlsaceNamesText;
const char* const FlandersNames = FlandersNamesText;
