-- Equipment: misc
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

-- Inner Sphere miscellaneous equipment, identifiers 900 to 999
INSERT INTO WepTable VALUES(900,900,500,'Hatchet'           ,'Hatchet'     ,38, 0.0, 0, 0, 0,0,0, 0, 0,  0,     0.0,  1,0, 48,'0'    ,'WM/15','WM/15','','NM/5','NT*5000','ND*1.5');
INSERT INTO WepTable VALUES(901,901,501,'Sword'             ,'Sword'       ,38, 0.0, 0, 0, 0,0,0, 0, 0,  0,     0.0,  1,0, 48,'0'    ,'HM/20','WM/15','','NM/10+1','NT*10000','ND*1.725');
INSERT INTO WepTable VALUES(902,902,502,'Arrow IV System'   ,'Arrow_IV'    ,38,15.0,15,20,10,0,0, 0, 8,240,450000.0,517,0,255,'20A'  ,'','','','','','');
INSERT INTO WepTable VALUES(903,903,503,'Anti-Personnel Pod','A-Pod'       ,38, 0.5, 1, 0, 0,0,0, 0, 0,  1,  1500.0,  0,0,192,'1d6'  ,'','','','','','');
INSERT INTO WepTable VALUES(904,904,504,'Searchlight'       ,'Searchlight' ,38, 0.5, 1, 0, 0,0,0, 0, 0,  0,  2000.0,  0,0,255,'0'    ,'','','','','','');
INSERT INTO WepTable VALUES(905,905,505,'Claws'             ,'Claws'       ,36, 0.0, 0, 0, 0,0,0, 0, 0,  0,     0.0, 17,0, 48,'0'    ,'WM/15','WM/15','','WM/7','NM*200','ND*1.275');
INSERT INTO WepTable VALUES(906,906,506,'Mace'              ,'Mace'        ,36, 0.0, 0, 0, 0,0,0, 0, 0,  0,     0.0,  1,0, 48,'0'    ,'WM/10','WM/10','','WM/4','NT*130000','ND*1');
INSERT INTO WepTable VALUES(907,907,507,'Lance'             ,'Lance'       ,36, 0.0, 0, 0, 0,0,0, 0, 0,  0,     0.0,  1,0, 48,'0'    ,'HM/20','WM/20','','WM/5','NM*150','ND*1');
INSERT INTO WepTable VALUES(908,908,508,'Retractable Blade' ,'RetractBlade',36, 0.0, 0, 0, 0,0,0, 0, 0,  0,     0.0,  1,0, 48,'0'    ,'HM/40+0.5','WM/20+1','','WM/10','NT*10000+10000','ND*1.725');
INSERT INTO WepTable VALUES(909,909,509,'Small Vibroblade'  ,'SmVibroblade',36, 3.0, 1, 7, 3,0,0, 0, 0, 12,150000.0,  1,0, 48,'7'    ,'','','','','','');
INSERT INTO WepTable VALUES(910,910,510,'Medium Vibroblade' ,'MdVibroblade',36, 5.0, 2,10, 5,0,0, 0, 0, 17,400000.0,  1,0, 48,'10'   ,'','','','','','');
INSERT INTO WepTable VALUES(911,911,511,'Large Vibroblade'  ,'LgVibroblade',36, 7.0, 4,14, 7,0,0, 0, 0, 24,750000.0,  1,0, 48,'14'   ,'','','','','','');
INSERT INTO WepTable VALUES(912,912,512,'Frame Mortar 1'    ,'Mortar-1'    ,36, 2.0, 1, 1, 1,6,7,14,21, 10,  7500.0,513,0,255,'1/Shl','','','','','','');
INSERT INTO WepTable VALUES(913,913,513,'Frame Mortar 2'    ,'Mortar-2'    ,36, 5.0, 2, 2, 2,6,7,14,21, 14, 15000.0,513,0,255,'1/Shl','','','','','','');
INSERT INTO WepTable VALUES(914,914,514,'Frame Mortar 4'    ,'Mortar-4'    ,36, 7.0, 3, 4, 5,6,7,14,21, 26, 32500.0,513,0,255,'1/Shl','','','','','','');
INSERT INTO WepTable VALUES(915,915,515,'Frame Mortar 8'    ,'Mortar-8'    ,36,10.0, 5, 8,10,6,7,14,21, 50, 70000.0,513,0,255,'1/Shl','','','','','','');
INSERT INTO WepTable VALUES(916,916,516,'Long Tom Artillery','LongTom'     ,38,30.0,30,20,20,0,0, 0,20,368,450000.0,517,0,255,'20A'  ,'','','','','','');
INSERT INTO WepTable VALUES(917,917,517,'Sniper Artillery'  ,'Sniper'      ,38,20.0,20,15,10,0,0, 0,12, 85,300000.0,517,0,255,'15A'  ,'','','','','','');
INSERT INTO WepTable VALUES(918,918,518,'Thumper Artillery' ,'Thumper'     ,38,15.0,15,10, 6,0,0, 0,14, 43,187500.0,517,0,255,'10A'  ,'','','','','','');

-- Clan miscellaneous equipment, identifiers 1000 to 1099
INSERT INTO WepTable VALUES(1000,1000,550,'Arrow IV System'   ,'Arrow_IV'   ,56,12.0,12,20,10,0,0, 0, 9,240,450000.0,517,0,255,'20A'  ,'','','','','','');
INSERT INTO WepTable VALUES(1001,1001,551,'Anti-Personnel Pod','A-Pod'      ,56, 0.5, 1, 0, 0,0,0, 0, 0,  1,  1500.0,  0,0,192,'1d6'  ,'','','','','','');
INSERT INTO WepTable VALUES(1002,1002,552,'Searchlight'       ,'Searchlight',56, 0.5, 1, 0, 0,0,0, 0, 0,  0,  2000.0,  0,0,255,'0'    ,'','','','','','');
INSERT INTO WepTable VALUES(1003,1003,553,'Frame Mortar 1'    ,'Mortar-1'   ,48, 1.0, 1, 1, 1,6,7,14,21, 10,  7500.0,513,0,255,'1/Shl','','','','','','');
INSERT INTO WepTable VALUES(1004,1004,554,'Frame Mortar 2'    ,'Mortar-2'   ,48, 2.5, 1, 2, 2,6,7,14,21, 14, 15000.0,513,0,255,'1/Shl','','','','','','');
INSERT INTO WepTable VALUES(1005,1005,555,'Frame Mortar 4'    ,'Mortar-4'   ,48, 3.5, 2, 4, 5,6,7,14,21, 26, 32500.0,513,0,255,'1/Shl','','','','','','');
INSERT INTO WepTable VALUES(1006,1006,556,'Frame Mortar 8'    ,'Mortar-8'   ,48, 5.0, 3, 8,10,6,7,14,21, 50, 70000.0,513,0,255,'1/Shl','','','','','','');
INSERT INTO WepTable VALUES(1007,1007,557,'Long Tom Artillery','LongTom'    ,56,30.0,30,20,20,0,0, 0,20,368,450000.0,517,0,255,'20A'  ,'','','','','','');
INSERT INTO WepTable VALUES(1008,1008,558,'Sniper Artillery'  ,'Sniper'     ,56,20.0,20,15,10,0,0, 0,12, 85,300000.0,517,0,255,'15A'  ,'','','','','','');
INSERT INTO WepTable VALUES(1009,1009,559,'Thumper Artillery' ,'Thumper'    ,56,15.0,15,10, 6,0,0, 0,14, 43,187500.0,517,0,255,'10A'  ,'','','','','','');

-- Inner Sphere electronics, identifiers 1100 to 1199
INSERT INTO WepTable VALUES(1100,1100,600,'TAG'                      ,'TAG'        ,38,1.0,1,0,0,0,5,9,15,  0,  50000.0,512,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1101,1101,601,'Artemis IV FCS'           ,'Artemis_IV' ,38,1.0,1,0,0,0,0,0, 0,  0, 100000.0,  0,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1102,1102,602,'C3 Computer'              ,'C3Computer' ,38,5.0,5,0,0,0,0,0, 0,  0,1500000.0,516,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1103,1103,603,'C3 Slave Unit'            ,'C3Slave'    ,38,1.0,1,0,0,0,0,0, 0,  0, 250000.0,512,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1104,1104,604,'Improved C3 Computer'     ,'C3i'        ,38,2.5,2,0,0,0,0,0, 0,  0, 750000.0,512,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1105,1105,605,'Anti-Missile System'      ,'AMS'        ,38,0.5,1,0,1,0,0,0, 0, 32, 100000.0,512,0,255,'Spl','','','','','','');
INSERT INTO WepTable VALUES(1106,1106,606,'Active Probe'             ,'ActiveProbe',38,1.5,2,0,0,0,0,0, 4, 10, 200000.0,512,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1107,1107,607,'ECM Suite'                ,'ECM'        ,38,1.5,2,0,0,0,0,0, 6, 61, 200000.0,512,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1108,1108,608,'Targeting Computer'       ,'Targ_Comp'  ,38,1.0,1,0,0,0,0,0, 0,  0,  10000.0, 32,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1109,1109,609,'Laser Anti-Missile System','Laser_AMS'  ,36,1.5,2,0,7,0,0,0, 0, 45, 225000.0,512,0,255,'Spl','','','','','','');
INSERT INTO WepTable VALUES(1110,1110,610,'Advanced ECM Suite'       ,'AdvECM'     ,36,2.0,2,0,0,0,0,0, 6,100, 750000.0,512,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1111,1111,611,'Advanced Active Probe'    ,'AdvProbe'   ,36,2.0,3,0,0,0,0,0, 8, 25, 500000.0,512,0,255,'0'  ,'','','','','','');

-- Clan electronics, identifiers 1200 to 1299
INSERT INTO WepTable VALUES(1200,1200,650,'TAG'                      ,'TAG'        ,56,1.0,1,0,0,0,5,9,15, 0, 50000.0,512,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1201,1201,651,'Light TAG'                ,'LightTAG'   ,56,0.5,1,0,0,0,3,6, 9, 0, 40000.0,512,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1202,1202,652,'Artemis IV FCS'           ,'Artemis_IV' ,56,1.0,1,0,0,0,0,0, 0, 0,100000.0,  0,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1203,1203,653,'Targeting Computer'       ,'Targ_Comp'  ,56,1.0,1,0,0,0,0,0, 0, 0, 10000.0, 32,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1204,1204,654,'Anti-Missile System'      ,'AMS'        ,56,0.5,1,0,1,0,0,0, 0,63,100000.0,512,0,255,'Spl','','','','','','');
INSERT INTO WepTable VALUES(1205,1205,655,'Active Probe'             ,'ActiveProbe',56,1.0,1,0,0,0,0,0, 5,12,200000.0,512,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1206,1206,656,'ECM Suite'                ,'ECM'        ,56,1.0,1,0,0,0,0,0, 6,61,200000.0,512,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1207,1207,657,'Artemis V FCS'            ,'Artemis_V'  ,48,1.5,2,0,0,0,0,0, 0, 0,250000.0,  0,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1208,1208,658,'Laser Anti-Missile System','Laser_AMS'  ,48,1.0,1,0,5,0,0,0, 0,45,225000.0,512,0,255,'Spl','','','','','','');
INSERT INTO WepTable VALUES(1209,1209,659,'Light Active Probe'       ,'LightProbe' ,48,0.5,1,0,0,0,0,0, 3, 7, 50000.0,512,0,255,'0'  ,'','','','','','');
INSERT INTO WepTable VALUES(1210,1210,660,'Electronic Warfare Suite' ,'EWSuite'    ,48,1.5,2,0,0,0,0,0, 6,68,600000.0,512,0,255,'0'  ,'','','','','','');
