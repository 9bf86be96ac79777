 1: 1	Quote 1 Peter 1:1?	Peter, an apostle of Jesus Christ, to the strangers scattered throughout Pontus, Galatia, Cappadocia, Asia, and Bithynia
 1: 1	Name the regions mentioned in 1 Peter 1:1?	Pontus, Galatia, Cappadocia, Asia, Bithynia
 1: 2	Quote 1 Peter 1:2?	Elect according to the foreknowledge of God the Father, through sanctification of the Spirit, unto obedience and sprinkling of the blood of Jesus Christ: Grace unto you, and peace, be multiplied.
 1: 3	Quote 1 Peter 1:3?	Blessed be the God and Father of our Lord Jesus Christ, which according to his abundant mercy hath begotten us again unto a lively hope by the resurrection of Jesus Christ from the dead
 1: 4	Finish this verse: To an inheritance incorruptible, and undefiled ...?	and that fadeth not away, reserved in heaven for you
 1: 5	Finish this verse: Who are kept by the power of God ...?	through faith unto salvation ready to be revealed in the last time.
 1: 6	Finish this verse: Wherein ye greatly rejoice, though now for ...?	a season, if need be, ye are in heaviness through manifold temptations
 1: 7	Finish this verse: That the trial of your faith, being much more precious than of ...?	gold that perisheth, though it be tried with fire, might be found unto praise and honour and glory at the appearing of Jesus Christ
 1: 8	Quote 1 Peter 1:8?	Whom having not seen, ye love; in whom, though now ye see him not, yet believing, ye rejoice with joy unspeakable and full of glory
 1: 9	Quote 1 Peter 1:9?	Receiving the end of your faith, even the salvation of your souls.
 1:10	Finish this verse: Of which salvation the prophets have enquired and ...?	searched diligently, who prophesied of the grace that should come unto you
 1:11	Finish this verse: Searching what, or what manner of time the Spirit of Christ which ...?	was in them did signify, when it testified beforehand the sufferings of Christ, and the glory that should follow.
 1:12	Finish this verse: Unto whom it was revealed, that not unto themselves, but unto us ...?	they did minister the things, which are now reported unto you by them that have preached the gospel unto you with the Holy Ghost sent down from heaven ...
 1:13	Finish this verse: Wherefore gird up the loins of your mind, be sober, and hope ...?	to the end for the grace that is to be brought unto you at the revelation of Jesus Christ
 1:14	Quote 1 Peter 1:14?	As obedient children, not fashioning yourselves according to the former lusts in your ignorance
 1:15	Quote 1 Peter 1:15?	But as he which hath called you is holy, so be ye holy in all manner of conversation
 1:16	Quote 1 Peter 1:16?	Because it is written, Be ye holy; for I am holy.
 1:17	Quote 1 Peter 1:17?	And if ye call on the Father, who without respect of persons judgeth according to every man's work, pass the time of your sojourning here in fear
 1:18	Finish this verse: Forasmuch as ye know that ye were not redeemed with ...?	corruptible things, as silver and gold, from your vain conversation received by tradition from your fathers
 1:19	Finish this verse: But with the precious blood of ...?	Christ, as of a lamb without blemish and without spot
 1:20	Quote 1 Peter 1:20?	Who verily was foreordained before the foundation of the world, but was manifest in these last times for you
 1:21	Quote 1 Peter 1:21?	Who by him do believe in God, that raised him up from the dead, and gave him glory; that your faith and hope might be in God.
 1:22	Quote 1 Peter 1:22?	Seeing ye have purified your souls in obeying the truth through the Spirit unto unfeigned love of the brethren, see that ye love one another with a pure heart fervently
 1:23	Quote 1 Peter 1:23?	Being born again, not of corruptible seed, but of incorruptible, by the word of God, which liveth and abideth for ever.
 1:24	Finish this verse: For all flesh is as grass, and all the glory ...?	of man as the flower of grass. The grass withereth, and the flower thereof falleth away
 1:25	Finish this verse: But the word of the Lord endureth for ...?	ever. And this is the word which by the gospel is preached unto you.
 2: 1	Finish this verse: Wherefore laying aside all malice, and ...?	all guile, and hypocrisies, and envies, and all evil speakings
 2: 2	Finish this verse: As newborn babes, desire the sincere ...?	milk of the word, that ye may grow thereby
 2: 3	Finish this verse: If so be ye ...?	have tasted that the Lord is gracious.
 2: 4	Quote 1 Peter 2:4?	To whom coming, as unto a living stone, disallowed indeed of men, but chosen of God, and precious
 2: 5	Quote 1 Peter 2:5?	Ye also, as lively stones, are built up a spiritual house, an holy priesthood, to offer up spiritual sacrifices, acceptable to God by Jesus Christ.
 2: 6	Quote 1 Peter 2:6?	Wherefore also it is contained in the scripture, Behold, I lay in Sion a chief corner stone, elect, precious: and he that believeth on him shall not be confounded.
 2: 7	Quote 1 Peter 2:7?	Unto you therefore which believe he is precious: but unto them which be disobedient, the stone which the builders disallowed, the same is made the head of the corner
 2: 8	Finish this verse: And a stone of stumbling, and a rock of offence ...?	even to them which stumble at the word, being disobedient: whereunto also they were appointed.
 2: 9	Finish this verse: But ye are a chosen generation, a royal priesthood, an holy nation ...?	a peculiar people; that ye should shew forth the praises of him who hath called you out of darkness into his marvellous light
 2:10	Finish this verse: Which in time past were not a people, but are ...?	now the people of God: which had not obtained mercy, but now have obtained mercy.
 2:11	Finish this verse: Dearly beloved, I beseech you as strangers ...?	and pilgrims, abstain from fleshly lusts, which war against the soul
 2:11	To whom did Peter write, "Dearly beloved, I beseech you as strangers and ..."?	The dearly beloved
 2:12	Finish this verse: Having your conversation honest among the Gentiles: that, whereas they speak against ...?	you as evildoers, they may by your good works, which they shall behold, glorify God in the day of visitation.
 2:13	Finish this verse: Submit yourselves to every ordinance of man ...?	for the Lord's sake: whether it be to the king, as supreme
 2:14	Quote 1 Peter 2:14?	Or unto governors, as unto them that are sent by him for the punishment of evildoers, and for the praise of them that do well.
 2:15	Quote 1 Peter 2:15?	For so is the will of God, that with well doing ye may put to silence the ignorance of foolish men
 2:16	Quote 1 Peter 2:16?	As free, and not using your liberty for a cloke of maliciousness, but as the servants of God.
 2:17	Quote 1 Peter 2:17?	Honour all men. Love the brotherhood. Fear God. Honour the king.
 2:18	Finish this verse: Servants, be subject to your masters with all ...?	fear; not only to the good and gentle, but also to the froward.
 2:18	To whom did Peter write, "Servants, be subject to your masters with all ..."?	The servants
 2:19	Finish this verse: For this is thankworthy, if a ...?	man for conscience toward God endure grief, suffering wrongfully.
 2:20	Quote 1 Peter 2:20?	For what glory is it, if, when ye be buffeted for your faults, ye shall take it patiently? but if, when ye do well, and suffer for it, ye take it patiently, this is acceptable with God.
 2:21	Quote 1 Peter 2:21?	For even hereunto were ye called: because Christ also suffered for us, leaving us an example, that ye should follow his steps
 2:22	Quote 1 Peter 2:22?	Who did no sin, neither was guile found in his mouth
 2:23	Quote 1 Peter 2:23?	Who, when he was reviled, reviled not again; when he suffered, he threatened not; but committed himself to him that judgeth righteously
 2:24	Finish this verse: Who his own self bare our sins in his own body on ...?	the tree, that we, being dead to sins, should live unto righteousness: by whose stripes ye were healed.
 2:25	Finish this verse: For ye were as sheep going astray ...?	but are now returned unto the Shepherd and Bishop of your souls.
 3: 1	Quote 1 Peter 3:1?	Likewise, ye wives, be in subjection to your own husbands; that, if any obey not the word, they also may without the word be won by the conversation of the wives
 3: 2	Quote 1 Peter 3:2?	While they behold your chaste conversation coupled with fear.
 3: 3	Quote 1 Peter 3:3?	Whose adorning let it not be that outward adorning of plaiting the hair, and of wearing of gold, or of putting on of apparel
 3: 4	Finish this verse: But let it be the hidden man of the heart, in that ...?	which is not corruptible, even the ornament of a meek and quiet spirit, which is in the sight of God of great price.
 3: 5	Finish this verse: For after this manner in the old time the holy ...?	women also, who trusted in God, adorned themselves, being in subjection unto their own husbands
 3: 6	Finish this verse: Even as Sara obeyed Abraham, calling him lord: whose daughters ...?	ye are, as long as ye do well, and are not afraid with any amazement.
 3: 6	Name the persons mentioned in 1 Peter 3:6?	Sara, Abraham
 3: 7	Finish this verse: Likewise, ye husbands, dwell with them according to knowledge, giving honour unto ...?	the wife, as unto the weaker vessel, and as being heirs together of the grace of life; that your prayers be not hindered.
 3: 7	To whom did Peter write, "Likewise, ye husbands, dwell with them according to ..."?	The husbands
 3: 8	Quote 1 Peter 3:8?	Finally, be ye all of one mind, having compassion one of another, love as brethren, be pitiful, be courteous
 3: 9	Quote 1 Peter 3:9?	Not rendering evil for evil, or railing for railing: but contrariwise blessing; knowing that ye are thereunto called, that ye should inherit a blessing.
 3:10	Quote 1 Peter 3:10?	For he that will love life, and see good days, let him refrain his tongue from evil, and his lips that they speak no guile
 3:11	Quote 1 Peter 3:11?	Let him eschew evil, and do good; let him seek peace, and ensue it.
 3:12	Quote 1 Peter 3:12?	For the eyes of the Lord are over the righteous, and his ears are open unto their prayers: but the face of the Lord is against them that do evil.
 3:13	Quote 1 Peter 3:13?	And who is he that will harm you, if ye be followers of that which is good?
 3:14	Finish this verse: But and if ye suffer for righteousness' sake ...?	happy are ye: and be not afraid of their terror, neither be troubled
 3:15	Finish this verse: But sanctify the Lord God in your hearts: and be ready always ...?	to give an answer to every man that asketh you a reason of the hope that is in you with meekness and fear
 3:16	Finish this verse: Having a good conscience; that, whereas they speak evil of ...?	you, as of evildoers, they may be ashamed that falsely accuse your good conversation in Christ.
 3:17	Finish this verse: For it is better, if the will of ...?	God be so, that ye suffer for well doing, than for evil doing.
 3:18	Quote 1 Peter 3:18?	For Christ also hath once suffered for sins, the just for the unjust, that he might bring us to God, being put to death in the flesh, but quickened by the Spirit
 3:19	Quote 1 Peter 3:19?	By which also he went and preached unto the spirits in prison
 3:20	Finish this verse: Which sometime were disobedient, when once the longsuffering of God waited in ...?	the days of Noah, while the ark was a preparing, wherein few, that is, eight souls were saved by water.
 3:21	Finish this verse: The like figure whereunto even baptism doth also now save us (not ...?	the putting away of the filth of the flesh, but the answer of a good conscience toward God,) by the resurrection of Jesus Christ
 3:22	Finish this verse: Who is gone into heaven, and is on the ...?	right hand of God; angels and authorities and powers being made subject unto him.
 5: 1	Quote 1 Peter 5:1?	The elders which are among you I exhort, who am also an elder, and a witness of the sufferings of Christ, and also a partaker of the glory that shall be revealed
 5: 2	Quote 1 Peter 5:2?	Feed the flock of God which is among you, taking the oversight thereof, not by constraint, but willingly; not for filthy lucre, but of a ready mind
 5: 3	Quote 1 Peter 5:3?	Neither as being lords over God's heritage, but being ensamples to the flock.
 5: 4	Finish this verse: And when the chief Shepherd shall appear ...?	ye shall receive a crown of glory that fadeth not away.
 5: 5	Finish this verse: Likewise, ye younger, submit yourselves unto the elder. Yea, all of you ...?	be subject one to another, and be clothed with humility: for God resisteth the proud, and giveth grace to the humble.
 5: 6	Finish this verse: Humble yourselves therefore under the mighty ...?	hand of God, that he may exalt you in due time
 5: 7	Finish this verse: Casting all your care ...?	upon him; for he careth for you.
 5: 8	Quote 1 Peter 5:8?	Be sober, be vigilant; because your adversary the devil, as a roaring lion, walketh about, seeking whom he may devour
 5: 9	Quote 1 Peter 5:9?	Whom resist stedfast in the faith, knowing that the same afflictions are accomplished in your brethren that are in the world.
 5:10	Quote 1 Peter 5:10?	But the God of all grace, who hath called us unto his eternal glory by Christ Jesus, after that ye have suffered a while, make you perfect, stablish, strengthen, settle you.
 5:11	Quote 1 Peter 5:11?	To him be glory and dominion for ever and ever. Amen.
 5:12	Quote 1 Peter 5:12?	By Silvanus, a faithful brother unto you, as I suppose, I have written briefly, exhorting, and testifying that this is the true grace of God wherein ye stand.
 5:13	Quote 1 Peter 5:13?	The church that is at Babylon, elected together with you, saluteth you; and so doth Marcus my son.
 5:13	Name the city mentioned in 1 Peter 5:13?	Babylon
 5:14	Finish this verse: Greet ye one another with a kiss of ...?	charity. Peace be with you all that are in Christ Jesus. Amen.
 6: 1	Finish this verse: Simon Peter, a servant and an apostle of Jesus Christ, to them ...?	that have obtained like precious faith with us through the righteousness of God and our Saviour Jesus Christ
 6: 2	Finish this verse: Grace and peace be multiplied unto ...?	you through the knowledge of God, and of Jesus our Lord
 6: 3	Finish this verse: According as his divine power hath given unto us all things that ...?	pertain unto life and godliness, through the knowledge of him that hath called us to glory and virtue
 6: 4	Quote 2 Peter 1:4?	Whereby are given unto us exceeding great and precious promises: that by these ye might be partakers of the divine nature, having escaped the corruption that is in the world through lust.
 6: 5	Quote 2 Peter 1:5?	And beside this, giving all diligence, add to your faith virtue; and to virtue knowledge
 6: 6	Quote 2 Peter 1:6?	And to knowledge temperance; and to temperance patience; and to patience godliness
 6: 7	Quote 2 Peter 1:7?	And to godliness brotherly kindness; and to brotherly kindness charity.
 6: 8	Finish this verse: For if these things be in you, and abound, they make ...?	you that ye shall neither be barren nor unfruitful in the knowledge of our Lord Jesus Christ.
 6: 9	Finish this verse: But he that lacketh these things is blind, and ...?	cannot see afar off, and hath forgotten that he was purged from his old sins.
 6:10	Quote 2 Peter 1:10?	Wherefore the rather, brethren, give diligence to make your calling and election sure: for if ye do these things, ye shall never fall
 6:10	To whom did Peter write, "Wherefore the rather, brethren ..."?	The brethren
 6:11	Quote 2 Peter 1:11?	For so an entrance shall be ministered unto you abundantly into the everlasting kingdom of our Lord and Saviour Jesus Christ.
 6:12	Quote 2 Peter 1:12?	Wherefore I will not be negligent to put you always in remembrance of these things, though ye know them, and be established in the present truth.
 6:13	Quote 2 Peter 1:13?	Yea, I think it meet, as long as I am in this tabernacle, to stir you up by putting you in remembrance
 6:14	Finish this verse: Knowing that shortly I must put off ...?	this my tabernacle, even as our Lord Jesus Christ hath shewed me.
 6:15	Finish this verse: Moreover I will endeavour that ye may ...?	be able after my decease to have these things always in remembrance.
 6:16	Finish this verse: For we have not followed cunningly devised fables, when we made ...?	known unto you the power and coming of our Lord Jesus Christ, but were eyewitnesses of his majesty.
 6:17	Finish this verse: For he received from God the Father honour and glory, when there ...?	came such a voice to him from the excellent glory, This is my beloved Son, in whom I am well pleased.
 6:18	Quote 2 Peter 1:18?	And this voice which came from heaven we heard, when we were with him in the holy mount.
 6:19	Quote 2 Peter 1:19?	We have also a more sure word of prophecy; whereunto ye do well that ye take heed, as unto a light that shineth in a dark place, until the day dawn, and the day star arise in your hearts
 6:20	Finish this verse: Knowing this first, that no ...?	prophecy of the scripture is of any private interpretation.
 6:21	Finish this verse: For the prophecy came not in old time by the ...?	will of man: but holy men of God spake as they were moved by the Holy Ghost.
 8: 1	Finish this verse: This second epistle, beloved, I now write unto ...?	you; in both which I stir up your pure minds by way of remembrance
 8: 2	Finish this verse: That ye may be mindful of the words which were spoken ...?	before by the holy prophets, and of the commandment of us the apostles of the Lord and Saviour
 8: 3	Finish this verse: Knowing this first, that there shall ...?	come in the last days scoffers, walking after their own lusts
 8: 4	Quote 2 Peter 3:4?	And saying, Where is the promise of his coming? for since the fathers fell asleep, all things continue as they were from the beginning of the creation.
 8: 5	Quote 2 Peter 3:5?	For this they willingly are ignorant of, that by the word of God the heavens were of old, and the earth standing out of the water and in the water
 8: 6	Quote 2 Peter 3:6?	Whereby the world that then was, being overflowed with water, perished
 8: 7	Quote 2 Peter 3:7?	But the heavens and the earth, which are now, by the same word are kept in store, reserved unto fire against the day of judgment and perdition of ungodly men.
 8: 8	Finish this verse: But, beloved, be not ignorant of this one thing, that ...?	one day is with the Lord as a thousand years, and a thousand years as one day.
 8: 8	How many years are spoken of in 2 Peter 3:8?	A thousand years
 8: 9	Finish this verse: The Lord is not slack concerning his promise, as some men count ...?	slackness; but is longsuffering to us-ward, not willing that any should perish, but that all should come to repentance.
 8:10	Finish this verse: But the day of the Lord will come as a thief in ...?	the night; in the which the heavens shall pass away with a great noise, and the elements shall melt with fervent heat, the earth also and the works that are therein shall ...
 8:11	Finish this verse: Seeing then that all these things shall be dissolved ...?	what manner of persons ought ye to be in all holy conversation and godliness
 8:12	Finish this verse: Looking for and hasting unto the coming of the day of ...?	God, wherein the heavens being on fire shall be dissolved, and the elements shall melt with fervent heat?
 8:13	Finish this verse: Nevertheless we, according to his promise ...?	look for new heavens and a new earth, wherein dwelleth righteousness.
 8:14	Quote 2 Peter 3:14?	Wherefore, beloved, seeing that ye look for such things, be diligent that ye may be found of him in peace, without spot, and blameless.
 8:14	To whom did Peter write, "Wherefore, beloved, seeing that ye look for such ..."?	The beloved
 8:15	Quote 2 Peter 3:15?	And account that the longsuffering of our Lord is salvation; even as our beloved brother Paul also according to the wisdom given unto him hath written unto you
 8:16	Quote 2 Peter 3:16?	As also in all his epistles, speaking in them of these things; in which are some things hard to be understood, which they that are unlearned and unstable wrest, as they do also the other scriptures, unto their own destruction.
 8:17	Quote 2 Peter 3:17?	Ye therefore, beloved, seeing ye know these things before, beware lest ye also, being led away with the error of the wicked, fall from your own stedfastness.
 8:18	Finish this verse: But grow in grace, and in the knowledge of our ...?	Lord and Saviour Jesus Christ. To him be glory both now and for ever. Amen.
