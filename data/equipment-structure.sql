-- Equipment: structure
-- Columns, in table order:
--   IDNUM, SAVENUM (= IDNUM), SAVE97 (the older number of the design files), NAME, ABBR (code name),
--   TECH (1 IS L1, 2 IS L2, 4 IS L3, 8 Clan L2, 16 Clan L3, 32 Mixed), TONS, CRITS, DMG (shots per ton
--   for ammunition), HEAT, MINRNG, SRT, MED, LNG, BV (per ton for ammunition), COST (per ton for
--   ammunition), OPTIONS (1 offensive, 2 direct fire, 4 can split, 8 uses Artemis, 16 removes
--   actuators, 32 append number, 64 ultra, 128 streak, 256 LB-X, 512 inventory, 2048 explosive),
--   INLIST, LOCS (1 H, 2 CT, 4 RT, 8 LT, 16 RA, 32 LA, 64 RL, 128 LL), DMGTXT,
--   CALCTONS, CALCCRITS, CALCHEAT, CALCDMG, CALCCOST, CALCBV (formulas; first letter H, Q or W rounds
--   up to the half ton, quarter or whole, R to the nearest whole (halves up), N leaves the value as
--   it is).

-- Inner Sphere structure items, identifiers 1300 to 1399
INSERT INTO WepTable VALUES(1300,1300,700,'Heat Sink'             ,'HS'        ,39,1.0,12,0,0,0,0,0,0,0,2000.0,36,1,255,'','','','','','','');
INSERT INTO WepTable VALUES(1301,1301,701,'Double Heat Sink'      ,'DoubleHS'  ,38,1.0,12,0,0,0,0,0,0,0,6000.0,36,3,255,'','','','','','','');
INSERT INTO WepTable VALUES(1302,1302,702,'Compact Heat Sink'     ,'CompactHS' ,36,1.5,12,0,0,0,0,0,0,0,3000.0,36,1,255,'','','','','','','');
INSERT INTO WepTable VALUES(1303,1303,703,'Improved Jump Jet'     ,'Imprvd_JJ' ,36,1.0,12,0,0,0,0,0,0,0,   0.0,36,2,206,'','W-2584.12423*M/100+9282.495618*M/100-13338.64699*M/100+9800.697369*M/100-3902.330752*M/100+823.4978935*M/100-83.41237567*M/100+3.340343251*2','','','','NM*500','');
INSERT INTO WepTable VALUES(1304,1304,704,'Jump Jet'              ,'Jump_Jet'  ,39,0.5,12,0,0,0,0,0,0,0,   0.0,36,1,206,'','H-2584.12423*M/100+9282.495618*M/100-13338.64699*M/100+9800.697369*M/100-3902.330752*M/100+823.4978935*M/100-83.41237567*M/100+3.340343251','','','','NM*200','');
INSERT INTO WepTable VALUES(1305,1305,705,'Ferro-Fibrous'         ,'FF'        ,38,0.0,14,0,0,0,0,0,0,0,   0.0,36,0,255,'','','','','','','');
INSERT INTO WepTable VALUES(1306,1306,706,'Endo Steel'            ,'ES'        ,38,0.0,14,0,0,0,0,0,0,0,   0.0,36,0,255,'','','','','','','');
INSERT INTO WepTable VALUES(1307,1307,707,'Triple Strength Myomer','TSM'       ,38,0.0, 6,0,0,0,0,0,0,0,   0.0, 4,0,254,'','','','','','NM*16000','');
INSERT INTO WepTable VALUES(1308,1308,708,'MASC'                  ,'MASC'      ,38,0.0, 0,0,0,0,0,0,0,0,   0.0, 0,0, 14,'','RM/20','NT','','','NE*T*1000','');
INSERT INTO WepTable VALUES(1309,1309,709,'Light Ferro-Fibrous'   ,'LightFF'   ,36,0.0, 7,0,0,0,0,0,0,0,   0.0,36,0,255,'','','','','','','');
INSERT INTO WepTable VALUES(1310,1310,710,'Heavy Ferro-Fibrous'   ,'HeavyFF'   ,36,0.0,21,0,0,0,0,0,0,0,   0.0,36,0,255,'','','','','','','');
INSERT INTO WepTable VALUES(1311,1311,711,'Reactive Armor'        ,'Reactive'  ,36,0.0,14,0,0,0,0,0,0,0,   0.0,36,0,255,'','','','','','','');
INSERT INTO WepTable VALUES(1312,1312,712,'Laser Reflective Armor','Reflective',36,0.0,10,0,0,0,0,0,0,0,   0.0,36,0,255,'','','','','','','');

-- Clan structure items, identifiers 1400 to 1499
INSERT INTO WepTable VALUES(1400,1400,750,'Heat Sink'             ,'HS'        ,56,1.0,12,0,0,0,0,0,0,0,2000.0,36,1,255,'','','','','','','');
INSERT INTO WepTable VALUES(1401,1401,751,'Double Heat Sink'      ,'DoubleHS'  ,56,1.0,12,0,0,0,0,0,0,0,6000.0,36,2,255,'','','','','','','');
INSERT INTO WepTable VALUES(1402,1402,752,'Laser Heat Sink'       ,'LaserHS'   ,48,1.0,12,0,0,0,0,0,0,0,6000.0,36,2,255,'','','','','','','');
INSERT INTO WepTable VALUES(1403,1403,753,'Improved Jump Jet'     ,'Imprvd_JJ' ,48,1.0,12,0,0,0,0,0,0,0,   0.0,36,2,206,'','W-2584.12423*M/100+9282.495618*M/100-13338.64699*M/100+9800.697369*M/100-3902.330752*M/100+823.4978935*M/100-83.41237567*M/100+3.340343251*2','','','','NM*500','');
INSERT INTO WepTable VALUES(1404,1404,754,'Jump Jet'              ,'Jump_Jet'  ,56,0.5,12,0,0,0,0,0,0,0,   0.0,36,1,206,'','H-2584.12423*M/100+9282.495618*M/100-13338.64699*M/100+9800.697369*M/100-3902.330752*M/100+823.4978935*M/100-83.41237567*M/100+3.340343251','','','','NM*200','');
INSERT INTO WepTable VALUES(1405,1405,755,'Ferro-Fibrous'         ,'FF'        ,56,0.0, 7,0,0,0,0,0,0,0,   0.0,36,0,255,'','','','','','','');
INSERT INTO WepTable VALUES(1406,1406,756,'Endo Steel'            ,'ES'        ,56,0.0, 7,0,0,0,0,0,0,0,   0.0,36,0,255,'','','','','','','');
INSERT INTO WepTable VALUES(1407,1407,757,'MASC'                  ,'MASC'      ,56,0.0, 0,0,0,0,0,0,0,0,   0.0, 0,0, 14,'','RM/25','NT','','','NE*T*1000','');
INSERT INTO WepTable VALUES(1408,1408,758,'Reactive Armor'        ,'Reactive'  ,48,0.0, 7,0,0,0,0,0,0,0,   0.0,36,0,255,'','','','','','','');
INSERT INTO WepTable VALUES(1409,1409,759,'Laser Reflective Armor','Reflective',48,0.0, 5,0,0,0,0,0,0,0,   0.0,36,0,255,'','','','','','','');
