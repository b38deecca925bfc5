// The targets of each map, by target ID. Record 0 is a blank placeholder so
// that a target ID indexes its table directly.

#include "targets/target_catalogue.h"

const TargetRecord IslandTargets[IslandTargetCount] = {
    {" "},                       // 0: unused
    {"Aero 1a"},                 // 1
    {"Aero 1b"},                 // 2
    {"Aero 2a"},                 // 3
    {"Aero 3a"},                 // 4
    {"Aero 2b"},                 // 5
    {"Aero 3b"},                 // 6
    {"Village 1b"},              // 7
    {"Village 1a"},              // 8
    {"Supply 1a"},               // 9
    {"Supply 2a"},               // 10
    {"Supply 3a"},               // 11
    {"Supply 4a"},               // 12
    {"Supply 7a"},               // 13
    {"Supply 6a"},               // 14
    {"Supply 5a"},               // 15
    {"Supply 1b"},               // 16
    {"Supply 2b"},               // 17
    {"Supply 3b"},               // 18
    {"Supply 4b"},               // 19
    {"Supply 5b"},               // 20
    {"Supply 6b"},               // 21
    {"Supply 7b"},               // 22
    {"Supply 8b"},               // 23
    {"Supply 9b"},               // 24
    {"Supply 10b"},              // 25
    {"Supply 11b"},              // 26
    {"Supply 12b"},              // 27
    {"Supply 8a"},               // 28
    {"Supply 9a"},               // 29
    {"Railyard 1a"},             // 30
    {"Railyard 1b"},             // 31
    {"Rail Bridge 1a"},          // 32
    {"Rail Bridge 2a"},          // 33
    {"Rail Bridge 1b"},          // 34
    {"Rail Bridge 2b"},          // 35
    {"Bridge 1a"},               // 36
    {"Bridge 1b"},               // 37
    {"Factory 4b"},              // 38
    {"Factory 5b"},              // 39
    {"Factory 5a"},              // 40
    {"Factory 6a"},              // 41
    {"Factory 1a"},              // 42
    {"Factory 2a"},              // 43
    {"Factory 3a"},              // 44
    {"Factory 4a"},              // 45
    {"Factory 1b"},              // 46
    {"Factory 2b"},              // 47
    {"Factory 3b"},              // 48
    {"Factory 6b"},              // 49
    {"Factory 8b"},              // 50
    {"Factory 7b"},              // 51
};

const TargetRecord MarneTargets[MarneTargetCount] = {
    {" "},                       // 0: unused
    {"Le Fere"},                 // 1
    {"Roupy"},                   // 2
    {"Moreuil"},                 // 3
    {"La Ferte Chevresis"},      // 4
    {"Toulis"},                  // 5
    {"Villers le Sec"},          // 6
    {"Vivaise"},                 // 7
    {"Foreste"},                 // 8
    {"Bellevue"},                // 9
    {"Matigny"},                 // 10
    {"Chery"},                   // 11
    {"Champien"},                // 12
    {"Mesnil St. George"},       // 13
    {"Esquennoy"},               // 14
    {"Bonneuil"},                // 15
    {"Chery les Pouilly"},       // 16
    {"Cuirieux"},                // 17
    {"Golancourt"},              // 18
    {"Chambry"},                 // 19
    {"Liesse"},                  // 20
    {"Dizy le Gros"},            // 21
    {"Barenton"},                // 22
    {"Concle les Herpy"},        // 23
    {"Hetomesnil"},              // 24
    {"Pusieux Ferme"},           // 25
    {"Quinquemoix"},             // 26
    {"Le Haut Chemin Ferme"},    // 27
    {"Catigny"},                 // 28
    {"St. Just"},                // 29
    {"Vaux"},                    // 30
    {"Laon"},                    // 31
    {"Marchais"},                // 32
    {"Alpha"},                   // 33
    {"Gomont"},                  // 34
    {"Suzanne"},                 // 35
    {"Gamma"},                   // 36
    {"Beta"},                    // 37
    {"Ravenel"},                 // 38
    {"Annelles"},                // 39
    {"La Malmaison"},            // 40
    {"Nenteuil"},                // 41
    {"Sissone"},                 // 42
    {"Ramecourt"},               // 43
    {"Tille"},                   // 44
    {"Vouziers"},                // 45
    {"Leffincourt"},             // 46
    {"Juniville"},               // 47
    {"Hauvine"},                 // 48
    {"Vrizy"},                   // 49
    {"Warmerville"},             // 50
    {"Pomacle"},                 // 51
    {"Longavesne"},              // 52
    {"Palesne"},                 // 53
    {"Foquerolles"},             // 54
    {"Mont De Soissons"},        // 55
    {"Chaudun"},                 // 56
    {"Sacy Le Grand"},           // 57
    {"Verines"},                 // 58
    {"Maison Neuve"},            // 59
    {"Raray"},                   // 60
    {"Plessis-Belleville"},      // 61
    {"Fismes"},                  // 62
    {"Auve"},                    // 63
    {"La Noblette Ferme"},       // 64
    {"Bonne Maison"},            // 65
    {"Saponay"},                 // 66
    {"Cramaille"},               // 67
    {"Lhery"},                   // 68
    {"Fere En Tardenois"},       // 69
    {"Goussancourt"},            // 70
    {"Coincy"},                  // 71
    {"Roissy En France"},        // 72
    {"Le Bourget"},              // 73
    {"Mitry"},                   // 74
    {"Saints"},                  // 75
    {"Champaubert"},             // 76
    {"Malette"},                 // 77
    {"Villers St. George"},      // 78
    {"Ferme Des Greves"},        // 79
    {"Touquin"},                 // 80
    {"Francheville"},            // 81
    {"Marson"},                  // 82
    {"Trecon"},                  // 83
    {"Villeneuve les Vertus"},   // 84
    {"Cernon"},                  // 85
    {"Herbisse"},                // 86
    {"Chalons Sur-Marne"},       // 87
    {"Montidier"},               // 88
    {"St. Quentin"},             // 89
    {"Chateau Thierry"},         // 90
    {"Compiegne"},               // 91
    {"Coulommiers"},             // 92
    {"Epernay"},                 // 93
    {"Fismes"},                  // 94
    {"Laon"},                    // 95
    {"Meaux"},                   // 96
    {"Noyon"},                   // 97
    {"Reims"},                   // 98
    {"Rethel"},                  // 99
    {"Senlis"},                  // 100
    {"Soissons"},                // 101
    {"Sezanne"},                 // 102
    {"Vertus"},                  // 103
    {"G1"},                      // 104
    {"G2"},                      // 105
    {"G3"},                      // 106
    {"G4"},                      // 107
    {"G5"},                      // 108
    {"G6"},                      // 109
    {"A1"},                      // 110
    {"A2"},                      // 111
    {"A3"},                      // 112
    {"A4"},                      // 113
    {"A5"},                      // 114
    {"A6"},                      // 115
    {"A7"},                      // 116
    {"B1"},                      // 117
    {"Laon E"},                  // 118
    {"Laon W"},                  // 119
    {"Rethel"},                  // 120
    {"Chalons Sur-Marne"},       // 121
    {"Epernay"},                 // 122
    {"Chatauil"},                // 123
    {"Chateaus"},                // 124
    {"Fismes S"},                // 125
    {"Fismes E"},                // 126
    {"Soissons N"},              // 127
    {"Soissons W"},              // 128
    {"Compiegne"},               // 129
    {"Noyon W"},                 // 130
    {"Vitry Le Franc"},          // 131
    {"Bridge 0"},                // 132
    {"Bridge 1"},                // 133
    {"Bridge 2"},                // 134
    {"Bridge 3"},                // 135
    {"Bridge 4"},                // 136
    {"Bridge 5"},                // 137
    {"Bridge 6"},                // 138
    {"Bridge 7"},                // 139
    {"Bridge 8"},                // 140
    {"Bridge 9"},                // 141
    {"Bridge 10"},               // 142
    {"Bridge 11"},               // 143
    {"Bridge 12"},               // 144
    {"Bridge 13"},               // 145
    {"Bridge 15"},               // 146
    {"Bridge 16"},               // 147
    {"Bridge 17"},               // 148
    {"Bridge 18"},               // 149
    {"Bridge 19"},               // 150
    {"Bridge 20"},               // 151
    {"Bridge 21"},               // 152
    {"Bridge 22"},               // 153
    {"Bridge 23"},               // 154
    {"Bridge 24"},               // 155
    {"Bridge 25"},               // 156
    {"Bridge 26"},               // 157
    {"Bridge 27"},               // 158
    {"Bridge 28"},               // 159
    {"Bridge 29"},               // 160
    {"Bridge 30"},               // 161
    {"Bridge 31"},               // 162
    {"Bridge 32"},               // 163
    {"Bridge 33"},               // 164
    {"Bridge 35"},               // 165
    {"Bridge 37"},               // 166
    {"Bridge 38"},               // 167
    {"Bridge 39"},               // 168
    {"Bridge 40"},               // 169
    {"Bridge 41"},               // 170
    {"Bridge 42"},               // 171
    {"Bridge 43"},               // 172
    {"Bridge 44"},               // 173
    {"Bridge 45"},               // 174
    {"Bridge 46"},               // 175
    {"Bridge 47"},               // 176
    {"Bridge 48"},               // 177
    {"Bridge 51"},               // 178
    {"newbridge"},               // 179
    {"Factory Laon"},            // 180
    {"Factory Rethel"},          // 181
    {"Factory Reims"},           // 182
    {"Factory Epernay"},         // 183
    {"Factory Chateau Thierry"}, // 184
    {"Factory Vertus"},          // 185
    {"Factory Senlis"},          // 186
    {"Factory Soissons"},        // 187
    {"Village14"},               // 188
    {"Village23"},               // 189
    {"Village24"},               // 190
    {"Village26"},               // 191
    {"Village27"},               // 192
    {"Village32"},               // 193
    {"Village33"},               // 194
    {"Village36"},               // 195
    {"Village2"},                // 196
    {"Village3"},                // 197
    {"Village4"},                // 198
    {"Village7"},                // 199
    {"Village8"},                // 200
    {"Village9"},                // 201
    {"Village10"},               // 202
    {"Village11"},               // 203
    {"Village12"},               // 204
    {"Village13"},               // 205
    {"Village15"},               // 206
    {"Village16"},               // 207
    {"Village17"},               // 208
    {"Village18"},               // 209
    {"Village19"},               // 210
    {"Village20"},               // 211
    {"Village21"},               // 212
    {"Village22"},               // 213
    {"Village25"},               // 214
    {"Village28"},               // 215
    {"Village29"},               // 216
    {"Village30"},               // 217
    {"Village31"},               // 218
    {"Village34"},               // 219
    {"Village35"},               // 220
    {"Village37"},               // 221
    {"Village38"},               // 222
    {"Village39"},               // 223
    {"Village41"},               // 224
    {"Village42"},               // 225
    {"Village43"},               // 226
};

const TargetRecord VerdunTargets[VerdunTargetCount] = {
    {" "},                       // 0: unused
    {"Neufchateau"},             // 1
    {"Ourches"},                 // 2
    {"Epiez"},                   // 3
    {"Gondrecourt"},             // 4
    {"Voucoleurs"},              // 5
    {"Ligny En Barrois"},        // 6
    {"Bar Le Duc"},              // 7
    {"Villers en Lieu"},         // 8
    {"Amanty"},                  // 9
    {"Malzeville"},              // 10
    {"Toul"},                    // 11
    {"Behonne"},                 // 12
    {"Mannoncourt"},             // 13
    {"Rancourt"},                // 14
    {"Brabant le Roi"},          // 15
    {"Many"},                    // 16
    {"Vavincourt"},              // 17
    {"Manonville"},              // 18
    {"Vatimont"},                // 19
    {"Belrain"},                 // 20
    {"Montoy"},                  // 21
    {"Marimba's Ferme"},         // 22
    {"Lisle En Barrois"},        // 23
    {"Frescaty"},                // 24
    {"Bussieres"},               // 25
    {"Remicourt"},               // 26
    {"Beauzee Sur Aire"},        // 27
    {"Avillers St. Croix"},      // 28
    {"Puxieuy"},                 // 29
    {"Rembercourt"},             // 30
    {"Metz"},                    // 31
    {"St. Menehould"},           // 32
    {"Mars La Tour"},            // 33
    {"Pretz En Argonne"},        // 34
    {"Souilly"},                 // 35
    {"Boulay"},                  // 36
    {"Lemmes"},                  // 37
    {"Senard"},                  // 38
    {"Vadelaincourt"},           // 39
    {"Brabant En Argonne"},      // 40
    {"Courcelles"},              // 41
    {"Doncourt"},                // 42
    {"Anitlly"},                 // 43
    {"St. Ail"},                 // 44
    {"Conflans"},                // 45
    {"Lubey"},                   // 46
    {"Fleville"},                // 47
    {"Banthville"},              // 48
    {"Vrizy"},                   // 49
    {"Sivry"},                   // 50
    {"Longuyon"},                // 51
    {"Spincourt"},               // 52
    {"Anoux"},                   // 53
    {"Jametz"},                  // 54
    {"Chassonge Ferme"},         // 55
    {"Mercy le Haut"},           // 56
    {"Buzancy"},                 // 57
    {"Basileux"},                // 58
    {"Marville"},                // 59
    {"Mercy le Bas"},            // 60
    {"Martincourt"},             // 61
    {"Virton"},                  // 62
    {"Le Chesne"},               // 63
    {"Montmedy"},                // 64
    {"Etreval2"},                // 65
    {"Damelzieres2"},            // 66
    {"Azelot2"},                 // 67
    {"Frolois2"},                // 68
    {"Luneville"},               // 69
    {"Toul"},                    // 70
    {"Nancy"},                   // 71
    {"Mirecourt"},               // 72
    {"Verdun"},                  // 73
    {"Vitry Le Francois"},       // 74
    {"Montmedy"},                // 75
    {"St Dizier"},               // 76
    {"Metz"},                    // 77
    {"Bar Le Doc"},              // 78
    {"St Menehould"},            // 79
    {"Briey"},                   // 80
    {"Thionville"},              // 81
    {"St Mihiel"},               // 82
    {"supply1"},                 // 83
    {"supply2"},                 // 84
    {"supply3"},                 // 85
    {"supply4"},                 // 86
    {"supply5"},                 // 87
    {"supply6"},                 // 88
    {"supply7"},                 // 89
    {"supply8"},                 // 90
    {"Montmedy Station"},        // 91
    {"Verdun Station"},          // 92
    {"St. Menehold Station"},    // 93
    {"Mirecourt Station"},       // 94
    {"Nancy Station"},           // 95
    {"Toul Station"},            // 96
    {"Bar Le Duc Station"},      // 97
    {"St. Dizier Station"},      // 98
    {"Vitry Le Francois Station"}, // 99
    {"Metz Station"},            // 100
    {"Briey Station"},           // 101
    {"Thionville Station"},      // 102
    {"bridge1"},                 // 103
    {"bridge2"},                 // 104
    {"bridge3"},                 // 105
    {"bridge4"},                 // 106
    {"bridge5"},                 // 107
    {"bridge6"},                 // 108
    {"bridge7"},                 // 109
    {"bridge8"},                 // 110
    {"bridge9"},                 // 111
    {"bridge10"},                // 112
    {"bridge11"},                // 113
    {"bridge12"},                // 114
    {"bridge13"},                // 115
    {"bridge14"},                // 116
    {"bridge15"},                // 117
    {"bridge16"},                // 118
    {"bridge17"},                // 119
    {"bridge18"},                // 120
    {"bridge19"},                // 121
    {"bridge20"},                // 122
    {"bridge21"},                // 123
    {"bridge22"},                // 124
    {"bridge23"},                // 125
    {"bridge24"},                // 126
    {"bridge25"},                // 127
    {"bridge26"},                // 128
    {"bridge27"},                // 129
    {"bridge28"},                // 130
    {"bridge29"},                // 131
    {"bridge30"},                // 132
    {"bridge31"},                // 133
    {"bridge32"},                // 134
    {"bridge34"},                // 135
    {"bridge35"},                // 136
    {"bridge36"},                // 137
    {"bridge37"},                // 138
    {"bridge38"},                // 139
    {"bridge39"},                // 140
    {"bridge40"},                // 141
    {"bridge41"},                // 142
    {"bridge42"},                // 143
    {"bridge43"},                // 144
    {"bridge44"},                // 145
    {"bridge45"},                // 146
    {"bridge46"},                // 147
    {"bridge47"},                // 148
    {"bridge55"},                // 149
    {"bridge56"},                // 150
    {"bridge57"},                // 151
    {"bridge58"},                // 152
    {"bridge59"},                // 153
    {"bridge60"},                // 154
    {"bridge61"},                // 155
    {"factory7"},                // 156
    {"factory1"},                // 157
    {"factory2"},                // 158
    {"factory3"},                // 159
    {"factory4"},                // 160
    {"factory5"},                // 161
    {"factory6"},                // 162
    {"village23"},               // 163
    {"village32"},               // 164
    {"village38"},               // 165
    {"village48"},               // 166
    {"village49"},               // 167
    {"village50"},               // 168
    {"village51"},               // 169
    {"village1"},                // 170
    {"village2"},                // 171
    {"village3"},                // 172
    {"village4"},                // 173
    {"village5"},                // 174
    {"village6"},                // 175
    {"village7"},                // 176
    {"village8"},                // 177
    {"village9"},                // 178
    {"village10"},               // 179
    {"village11"},               // 180
    {"village12"},               // 181
    {"village13"},               // 182
    {"village14"},               // 183
    {"village15"},               // 184
    {"village16"},               // 185
    {"village17"},               // 186
    {"village18"},               // 187
    {"village19"},               // 188
    {"village20"},               // 189
    {"village21"},               // 190
    {"village22"},               // 191
    {"village24"},               // 192
    {"village25"},               // 193
    {"village26"},               // 194
    {"village27"},               // 195
    {"village29"},               // 196
    {"village30"},               // 197
    {"village31"},               // 198
    {"village33"},               // 199
    {"village35"},               // 200
    {"village36"},               // 201
    {"village37"},               // 202
    {"village39"},               // 203
    {"village40"},               // 204
    {"village41"},               // 205
    {"village42"},               // 206
    {"village43"},               // 207
    {"village44"},               // 208
    {"village45"},               // 209
    {"village46"},               // 210
    {"village47"},               // 211
};

const TargetRecord AlsaceTargets[AlsaceTargetCount] = {
    {" "},                       // 0: unused
    {"Rougemont"},               // 1
    {"La Chapelle Sous Chaux"},  // 2
    {"Habsheim"},                // 3
    {"Luxeuil"},                 // 4
    {"Thann"},                   // 5
    {"Ensisheim"},               // 6
    {"Reguishem"},               // 7
    {"St. Loup"},                // 8
    {"Colmar"},                  // 9
    {"Doonoux"},                 // 10
    {"Epinal"},                  // 11
    {"Fontaine"},                // 12
    {"Ostheim"},                 // 13
    {"Selestadt"},               // 14
    {"Girecourt"},               // 15
    {"Gironcourt"},              // 16
    {"Bettoncourt"},             // 17
    {"Roville"},                 // 18
    {"Flin"},                    // 19
    {"La Neuveville"},           // 20
    {"Xaffervillers"},           // 21
    {"Etreval"},                 // 22
    {"Dameliziers"},             // 23
    {"Haroldbourg"},             // 24
    {"Stotzheim"},               // 25
    {"Frolois"},                 // 26
    {"Azelot"},                  // 27
    {"Oriches2"},                // 28
    {"Epiez2"},                  // 29
    {"Voucoulers2"},             // 30
    {"Strasbourg"},              // 31
    {"Hattigny"},                // 32
    {"Malzeville2"},             // 33
    {"Toul2"},                   // 34
    {"Buhl-Lorraine"},           // 35
    {"Mannoncourt2"},            // 36
    {"Dieuze"},                  // 37
    {"Kerprich"},                // 38
    {"Cutting"},                 // 39
    {"Burlioncourt"},            // 40
    {"Manonville2"},             // 41
    {"Basel"},                   // 42
    {"Steinenstadt"},            // 43
    {"Neuf Brisach"},            // 44
    {"Strasbourg"},              // 45
    {"Selestat"},                // 46
    {"Reguisheim"},              // 47
    {"Colmar"},                  // 48
    {"Mulhouse"},                // 49
    {"Thann"},                   // 50
    {"Sarrebourg"},              // 51
    {"St Die"},                  // 52
    {"Belfort"},                 // 53
    {"Luneville"},               // 54
    {"Epinal"},                  // 55
    {"Vesoul"},                  // 56
    {"Toul"},                    // 57
    {"Nancy"},                   // 58
    {"Mirecourt"},               // 59
    {"supply1"},                 // 60
    {"supply2"},                 // 61
    {"supply3"},                 // 62
    {"supply4"},                 // 63
    {"supply5"},                 // 64
    {"supply6"},                 // 65
    {"supply7"},                 // 66
    {"supply8"},                 // 67
    {"supply9"},                 // 68
    {"supply10"},                // 69
    {"supply11"},                // 70
    {"supply12"},                // 71
    {"supply13"},                // 72
    {"supply14"},                // 73
    {"Vesoul Station E"},        // 74
    {"Vesoul Station N"},        // 75
    {"Epinal Station"},          // 76
    {"Mirecourt Station"},       // 77
    {"Nancy Station"},           // 78
    {"Toul Station"},            // 79
    {"Mulhouse Station N"},      // 80
    {"Mulhouse Station S"},      // 81
    {"Reguisheim Station"},      // 82
    {"Colmar Station"},          // 83
    {"Selestadt Station"},       // 84
    {"Strasbourg Station"},      // 85
    {"Sarreborg Station"},       // 86
    {"bridge1"},                 // 87
    {"bridge2"},                 // 88
    {"bridge3"},                 // 89
    {"bridge4"},                 // 90
    {"bridge5"},                 // 91
    {"bridge6"},                 // 92
    {"bridge7"},                 // 93
    {"bridge8"},                 // 94
    {"bridge9"},                 // 95
    {"bridge10"},                // 96
    {"bridge11"},                // 97
    {"bridge12"},                // 98
    {"bridge13"},                // 99
    {"bridge14"},                // 100
    {"bridge15"},                // 101
    {"bridge16"},                // 102
    {"bridge17"},                // 103
    {"bridge18"},                // 104
    {"bridge19"},                // 105
    {"bridge20"},                // 106
    {"bridge21"},                // 107
    {"bridge22"},                // 108
    {"bridge23"},                // 109
    {"bridge24"},                // 110
    {"bridge25"},                // 111
    {"bridge26"},                // 112
    {"bridge27"},                // 113
    {"bridge28"},                // 114
    {"bridge29"},                // 115
    {"bridge30"},                // 116
    {"bridge31"},                // 117
    {"bridge32"},                // 118
    {"bridge33"},                // 119
    {"bridge34"},                // 120
    {"bridge35"},                // 121
    {"bridge36"},                // 122
    {"bridge37"},                // 123
    {"bridge38"},                // 124
    {"bridge39"},                // 125
    {"bridge40"},                // 126
    {"bridge42"},                // 127
    {"bridge43"},                // 128
    {"bridge44"},                // 129
    {"bridge45"},                // 130
    {"bridge46"},                // 131
    {"bridge47"},                // 132
    {"bridge48"},                // 133
    {"bridge49"},                // 134
    {"bridge50"},                // 135
    {"bridge51"},                // 136
    {"bridge52"},                // 137
    {"bridge53"},                // 138
    {"bridge54"},                // 139
    {"bridge55"},                // 140
    {"bridge56"},                // 141
    {"bridge57"},                // 142
    {"bridge58"},                // 143
    {"bridge59"},                // 144
    {"bridge60"},                // 145
    {"bridge61"},                // 146
    {"bridge62"},                // 147
    {"bridge63"},                // 148
    {"bridge64"},                // 149
    {"bridge65"},                // 150
    {"bridge66"},                // 151
    {"bridge67"},                // 152
    {"bridge68"},                // 153
    {"bridge69"},                // 154
    {"bridge70"},                // 155
    {"bridge71"},                // 156
    {"bridge72"},                // 157
    {"bridge73"},                // 158
    {"bridge74"},                // 159
    {"bridge75"},                // 160
    {"bridge76"},                // 161
    {"bridge77"},                // 162
    {"bridge78"},                // 163
    {"bridge79"},                // 164
    {"bridge80"},                // 165
    {"bridge81"},                // 166
    {"Bridge82"},                // 167
    {"factory1"},                // 168
    {"factory2"},                // 169
    {"factory3"},                // 170
    {"factory4"},                // 171
    {"factory5"},                // 172
    {"factory6"},                // 173
    {"factory7"},                // 174
    {"village6"},                // 175
    {"village9"},                // 176
    {"village13"},               // 177
    {"village23"},               // 178
    {"village24"},               // 179
    {"village32"},               // 180
    {"village37"},               // 181
    {"village43"},               // 182
    {"village45"},               // 183
    {"village46"},               // 184
    {"village47"},               // 185
    {"village48"},               // 186
    {"village49"},               // 187
    {"village50"},               // 188
    {"village51"},               // 189
    {"village52"},               // 190
    {"village53"},               // 191
    {"village54"},               // 192
    {"village55"},               // 193
    {"village56"},               // 194
    {"village57"},               // 195
    {"village58"},               // 196
    {"village59"},               // 197
    {"village60"},               // 198
    {"village61"},               // 199
    {"village62"},               // 200
    {"village63"},               // 201
    {"village64"},               // 202
    {"village65"},               // 203
    {"village66"},               // 204
    {"village1"},                // 205
    {"village3"},                // 206
    {"village4"},                // 207
    {"village5"},                // 208
    {"village7"},                // 209
    {"village8"},                // 210
    {"village10"},               // 211
    {"village11"},               // 212
    {"village12"},               // 213
    {"village14"},               // 214
    {"village15"},               // 215
    {"village16"},               // 216
    {"village17"},               // 217
    {"village19"},               // 218
    {"village20"},               // 219
    {"village21"},               // 220
    {"village22"},               // 221
    {"village25"},               // 222
    {"village26"},               // 223
    {"village27"},               // 224
    {"village28"},               // 225
    {"village29"},               // 226
    {"village30"},               // 227
    {"village31"},               // 228
    {"village33"},               // 229
    {"village34"},               // 230
    {"village35"},               // 231
    {"village38"},               // 232
    {"village39"},               // 233
    {"village40"},               // 234
    {"village41"},               // 235
    {"village42"},               // 236
    {"village44"},               // 237
};

const TargetRecord FlandersTargets[FlandersTargetCount] = {
    {" "},                       // 0: unused
    {"Ghistelles"},              // 1
    {"Jabbecke"},                // 2
    {"Varsenaire"},              // 3
    {"Coxyde"},                  // 4
    {"Aertrycke"},               // 5
    {"Bray Dunes"},              // 6
    {"Teteghem"},                // 7
    {"Wynghene"},                // 8
    {"Cappelle"},                // 9
    {"Leffrinckhauke"},          // 10
    {"Coude Kerque Nord"},       // 11
    {"Hooey Hoek"},              // 12
    {"St. Pol Sur Mere"},        // 13
    {"Beveren"},                 // 14
    {"Thielt"},                  // 15
    {"Cruyshauten"},             // 16
    {"Bergues"},                 // 17
    {"Ingelmunster"},            // 18
    {"Roulers"},                 // 19
    {"Bierne"},                  // 20
    {"Bavichove"},               // 21
    {"Petite Synthe"},           // 22
    {"Rumbeke"},                 // 23
    {"La Lovie"},                // 24
    {"Harlebecke"},              // 25
    {"Courtrai"},                // 26
    {"Heule"},                   // 27
    {"Crochte"},                 // 28
    {"Cuerne"},                  // 29
    {"Droglandt"},               // 30
    {"Hoog Huys"},               // 31
    {"Poperinghe"},              // 32
    {"Wervicq"},                 // 33
    {"Abeele"},                  // 34
    {"Bisseghem"},               // 35
    {"Marcke"},                  // 36
    {"Clairmarais"},             // 37
    {"Halluin"},                 // 38
    {"Le Belcamp"},              // 39
    {"Avelgem"},                 // 40
    {"Bailleul"},                // 41
    {"St. Omer"},                // 42
    {"Linselles"},               // 43
    {"Boisdemshen"},             // 44
    {"St. Marguerte"},           // 45
    {"Merville"},                // 46
    {"St. Marie Cappelle"},      // 47
    {"Wambrechies"},             // 48
    {"Templevue"},               // 49
    {"Esquerdes"},               // 50
    {"Ascq"},                    // 51
    {"Roville"},                 // 52
    {"La Gorgue"},               // 53
    {"Bachy"},                   // 54
    {"Treizennes"},              // 55
    {"Temple Mars"},             // 56
    {"Quelmes"},                 // 57
    {"St. Maur"},                // 58
    {"Houplin"},                 // 59
    {"Lomme"},                   // 60
    {"Ronchin"},                 // 61
    {"Chocques"},                // 62
    {"Hesdin"},                  // 63
    {"Provin"},                  // 64
    {"Beuvry"},                  // 65
    {"Sechin"},                  // 66
    {"Haubordin"},               // 67
    {"Estree Blanche"},          // 68
    {"Lozinghem"},               // 69
    {"Auchel"},                  // 70
    {"Avelin"},                  // 71
    {"Liettres"},                // 72
    {"Carvin"},                  // 73
    {"Serny"},                   // 74
    {"Conteville"},              // 75
    {"Tramecourt"},              // 76
    {"Bruay"},                   // 77
    {"St. Andre Au Bois"},       // 78
    {"Lione"},                   // 79
    {"Auchy"},                   // 80
    {"Chievres"},                // 81
    {"Moncheaux"},               // 82
    {"Bryas"},                   // 83
    {"Le Quesnoy"},              // 84
    {"Lens"},                    // 85
    {"La Brayelle"},             // 86
    {"Camblain L'Abbey"},        // 87
    {"Aniche"},                  // 88
    {"Douai"},                   // 89
    {"Boffles"},                 // 90
    {"Erchin"},                  // 91
    {"Roisin"},                  // 92
    {"Aubry"},                   // 93
    {"Masny"},                   // 94
    {"Savy"},                    // 95
    {"Le Hammeau"},              // 96
    {"Emerchicourt"},            // 97
    {"Roucourt"},                // 98
    {"Vitry En Artois"},         // 99
    {"Wagenlieu"},               // 100
    {"Cantin"},                  // 101
    {"Lieu St. Amanel"},         // 102
    {"Marquion"},                // 103
    {"Avesnes Le Comte"},        // 104
    {"Epinoy"},                  // 105
    {"Eswars"},                  // 106
    {"Avesnes Le Sec"},          // 107
    {"Boiry St. Martin"},        // 108
    {"Remaisnil"},               // 109
    {"Raillencourt"},            // 110
    {"Escarmain"},               // 111
    {"Soncamp"},                 // 112
    {"Auxi Le Chateau"},         // 113
    {"Boistrancourt"},           // 114
    {"Seranvillers"},            // 115
    {"La Bellevue"},             // 116
    {"Pronville"},               // 117
    {"Awoingt"},                 // 118
    {"Caudry"},                  // 119
    {"Albainzeville"},           // 120
    {"Murieux"},                 // 121
    {"Neuvilly"},                // 122
    {"Fienvillers"},             // 123
    {"Valheureux"},              // 124
    {"Le Cateau"},               // 125
    {"Montecouvaix Ferme"},      // 126
    {"Lagnicourt"},              // 127
    {"Iris Ferme"},              // 128
    {"Bertry"},                  // 129
    {"Bazuel"},                  // 130
    {"Candas"},                  // 131
    {"Villers Outreaux"},        // 132
    {"Lealvillers"},             // 133
    {"Warloy"},                  // 134
    {"Vignacourt"},              // 135
    {"Busigny"},                 // 136
    {"Lieramont"},               // 137
    {"Beaureuoir"},              // 138
    {"Nurlu"},                   // 139
    {"Lechelle"},                // 140
    {"Bohain"},                  // 141
    {"Premont"},                 // 142
    {"Baizeux"},                 // 143
    {"Bertangles"},              // 144
    {"Lavieville"},              // 145
    {"Cappy"},                   // 146
    {"Champlin"},                // 147
    {"Lahoussoye"},              // 148
    {"Guise"},                   // 149
    {"Fontaine-Uterte"},         // 150
    {"Airaines"},                // 151
    {"Poulainville"},            // 152
    {"Proyart"},                 // 153
    {"Moislains"},               // 154
    {"Villers-Bretonneux"},      // 155
    {"Allonville"},              // 156
    {"Ennemain"},                // 157
    {"Fontaine Notre Dame"},     // 158
    {"Vraignes"},                // 159
    {"Chachy"},                  // 160
    {"Estrees En Chausse"},      // 161
    {"Flez"},                    // 162
    {"Fieulaine"},               // 163
    {"Nieuport"},                // 164
    {"Gand"},                    // 165
    {"Calais"},                  // 166
    {"Gravelines"},              // 167
    {"Dunkerque"},               // 168
    {"Roulers"},                 // 169
    {"Ypres"},                   // 170
    {"Courtai"},                 // 171
    {"St Omer"},                 // 172
    {"Armentieres"},             // 173
    {"Roubaix"},                 // 174
    {"Aire"},                    // 175
    {"Lille"},                   // 176
    {"Tournai"},                 // 177
    {"Bethune"},                 // 178
    {"lens"},                    // 179
    {"Hesdin"},                  // 180
    {"St Pol"},                  // 181
    {"Douai"},                   // 182
    {"Valenciennes"},            // 183
    {"Arras"},                   // 184
    {"Cambrai"},                 // 185
    {"Abbaville"},               // 186
    {"Doullens"},                // 187
    {"Albert"},                  // 188
    {"Amiens"},                  // 189
    {"St Quentin"},              // 190
    {"supply1"},                 // 191
    {"supply2"},                 // 192
    {"supply3"},                 // 193
    {"supply4"},                 // 194
    {"supply5"},                 // 195
    {"supply6"},                 // 196
    {"supply7"},                 // 197
    {"supply8"},                 // 198
    {"supply9"},                 // 199
    {"supply10"},                // 200
    {"supply11"},                // 201
    {"supply12"},                // 202
    {"Supply13"},                // 203
    {"Supply14"},                // 204
    {"Calais Station"},          // 205
    {"St. Omer Station N"},      // 206
    {"St. Omer Station S"},      // 207
    {"Aire Station N"},          // 208
    {"Aire Station S"},          // 209
    {"Bethune Station"},         // 210
    {"St. Pol Station"},         // 211
    {"Hesdin Station"},          // 212
    {"Albert Station"},          // 213
    {"Abbeville Station W"},     // 214
    {"Abbeville Station E"},     // 215
    {"Amiens Station W"},        // 216
    {"Amiens Station E"},        // 217
    {"Gand Station"},            // 218
    {"Roulers Station"},         // 219
    {"Courtrai Station N"},      // 220
    {"Courtrai Station S"},      // 221
    {"Roubaix Station N"},       // 222
    {"Roubaix Station S"},       // 223
    {"Lille Station"},           // 224
    {"Tournai Station"},         // 225
    {"Lens Station"},            // 226
    {"Douai Station"},           // 227
    {"Valenciennes Station"},    // 228
    {"Cambrai Station"},         // 229
    {"St. Quentin"},             // 230
    {"Bridge0"},                 // 231
    {"Bridge1"},                 // 232
    {"Bridge2"},                 // 233
    {"Bridge3"},                 // 234
    {"Bridge4"},                 // 235
    {"Bridge5"},                 // 236
    {"Bridge6"},                 // 237
    {"Bridge7"},                 // 238
    {"Bridge8"},                 // 239
    {"Bridge9"},                 // 240
    {"Bridge10"},                // 241
    {"Bridge11"},                // 242
    {"Bridge12"},                // 243
    {"Bridge13"},                // 244
    {"Bridge14"},                // 245
    {"Bridge15"},                // 246
    {"Bridge16"},                // 247
    {"Bridge17"},                // 248
    {"Bridge18"},                // 249
    {"Bridge19"},                // 250
    {"Bridge20"},                // 251
    {"Bridge21"},                // 252
    {"Bridge22"},                // 253
    {"Bridge23"},                // 254
    {"Bridge24"},                // 255
    {"Bridge25"},                // 256
    {"Bridge26"},                // 257
    {"Bridge27"},                // 258
    {"Bridge28"},                // 259
    {"Bridge29"},                // 260
    {"Bridge30"},                // 261
    {"Bridge31"},                // 262
    {"Bridge32"},                // 263
    {"Bridge33"},                // 264
    {"Bridge34"},                // 265
    {"Bridge35"},                // 266
    {"Bridge36"},                // 267
    {"Bridge37"},                // 268
    {"Bridge38"},                // 269
    {"Bridge39"},                // 270
    {"Bridge40"},                // 271
    {"Bridge41"},                // 272
    {"Bridge42"},                // 273
    {"Bridge43"},                // 274
    {"Bridge44"},                // 275
    {"Bridge45"},                // 276
    {"Bridge46"},                // 277
    {"Bridge47"},                // 278
    {"Bridge48"},                // 279
    {"Bridge49"},                // 280
    {"Bridge50"},                // 281
    {"Bridge51"},                // 282
    {"Bridge52"},                // 283
    {"Bridge53"},                // 284
    {"Bridge54"},                // 285
    {"Bridge55"},                // 286
    {"Bridge56"},                // 287
    {"Bridge57"},                // 288
    {"Bridge58"},                // 289
    {"Bridge59"},                // 290
    {"Bridge60"},                // 291
    {"Bridge61"},                // 292
    {"Bridge62"},                // 293
    {"Bridge63"},                // 294
    {"Bridge64"},                // 295
    {"Bridge65"},                // 296
    {"Bridge66"},                // 297
    {"Bridge67"},                // 298
    {"Bridge68"},                // 299
    {"Bridge69"},                // 300
    {"Bridge70"},                // 301
    {"Bridge71"},                // 302
    {"Bridge72"},                // 303
    {"Bridge73"},                // 304
    {"Bridge74"},                // 305
    {"Bridge75"},                // 306
    {"Bridge76"},                // 307
    {"Bridge77"},                // 308
    {"Bridge78"},                // 309
    {"Bridge79"},                // 310
    {"Bridge80"},                // 311
    {"factory2"},                // 312
    {"factory3"},                // 313
    {"factory4"},                // 314
    {"factory5"},                // 315
    {"factory6"},                // 316
    {"factory7"},                // 317
    {"factory8"},                // 318
    {"factory9"},                // 319
    {"factory10"},               // 320
    {"factory11"},               // 321
    {"factory12"},               // 322
    {"factory13"},               // 323
    {"factory14"},               // 324
    {"factory15"},               // 325
    {"factory16"},               // 326
    {"factory17"},               // 327
    {"factory18"},               // 328
    {"factory19"},               // 329
    {"factory20"},               // 330
    {"Village21"},               // 331
    {"Village23"},               // 332
    {"Village31"},               // 333
    {"Village72"},               // 334
    {"Village73"},               // 335
    {"Village74"},               // 336
    {"Village75"},               // 337
    {"Village76"},               // 338
    {"Village77"},               // 339
    {"Village78"},               // 340
    {"Village79"},               // 341
    {"Village80"},               // 342
    {"Village81"},               // 343
    {"Village0"},                // 344
    {"Village1"},                // 345
    {"Village2"},                // 346
    {"Village3"},                // 347
    {"Village4"},                // 348
    {"Village5"},                // 349
    {"Village6"},                // 350
    {"Village7"},                // 351
    {"Village8"},                // 352
    {"Village9"},                // 353
    {"Village10"},               // 354
    {"Village11"},               // 355
    {"Village12"},               // 356
    {"Village13"},               // 357
    {"Village14"},               // 358
    {"Village15"},               // 359
    {"Village16"},               // 360
    {"Village17"},               // 361
    {"Village18"},               // 362
    {"Village19"},               // 363
    {"Village20"},               // 364
    {"Village22"},               // 365
    {"Village24"},               // 366
    {"Village25"},               // 367
    {"Village26"},               // 368
    {"Village27"},               // 369
    {"Village28"},               // 370
    {"Village29"},               // 371
    {"Village32"},               // 372
    {"Village33"},               // 373
    {"Village34"},               // 374
    {"Village35"},               // 375
    {"Village37"},               // 376
    {"Village38"},               // 377
    {"Village39"},               // 378
    {"Village40"},               // 379
    {"Village41"},               // 380
    {"Village42"},               // 381
    {"Village43"},               // 382
    {"Village44"},               // 383
    {"Village45"},               // 384
    {"Village46"},               // 385
    {"Village47"},               // 386
    {"Village48"},               // 387
    {"Village49"},               // 388
    {"Village50"},               // 389
    {"Village51"},               // 390
    {"Village52"},               // 391
    {"Village53"},               // 392
    {"Village54"},               // 393
    {"Village55"},               // 394
    {"Village56"},               // 395
    {"Village57"},               // 396
    {"Village58"},               // 397
    {"Village59"},               // 398
    {"Village60"},               // 399
    {"Village61"},               // 400
    {"Village62"},               // 401
    {"Village63"},               // 402
    {"Village64"},               // 403
    {"Village65"},               // 404
    {"Village66"},               // 405
    {"Village67"},               // 406
    {"Village68"},               // 407
    {"Village69"},               // 408
    {"Village70"},               // 409
    {"Village71"},               // 410
};
